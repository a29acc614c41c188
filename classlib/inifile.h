// The settings store: settings read lazily from an INI file, cached, and written back on flush.
//
// Every value is read from the backing store at most once (or never, when the program set it
// first); later reads are served from the cache, and a change by another program during the run
// is not seen. Writes stay in the cache, marked dirty, until Flush. Section and key names match
// ignoring ASCII case; values compare exactly. A key that is absent differs from one that is
// present with an empty value.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

class IniFile {
 public:
  IniFile() = default;
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Releases the cache without flushing. A concrete kind flushes in its own destructor, while
  // its raw write can still run.
  virtual ~IniFile();

  // Raw operations on the backing store, past the cache.
  // Writes one value; a failure is not reported.
  virtual void WriteRaw(const char* section, const char* key, const char* value) = 0;
  // Copies the value of key, or def when the key is absent, into buffer: at most size - 1
  // characters and a terminating zero. Returns the number of characters stored.
  virtual int ReadRaw(const char* section, const char* key, const char* def, char* buffer,
                      int size) = 0;

  // The decimal number at the start of the value (a digit, or '-' and a digit, must come first),
  // saturated to the 32-bit range; def when the key is absent or the value does not start so.
  // Only the first 19 characters of the value are looked at.
  int ReadInt(const char* section, const char* key, int def);
  // Copies the value, or def when the key is absent, into buffer, truncated to size - 1
  // characters and zero-terminated; returns the length stored. Writes nothing when size < 1.
  int ReadString(const char* section, const char* key, const char* def, char* buffer, int size);
  // The whole value, or def when the key is absent.
  std::string ReadString(const char* section, const char* key, const char* def);

  // Set a value in the cache; it reaches the backing store at the next Flush. Setting the value
  // a key already holds leaves nothing to write.
  void WriteInt(const char* section, const char* key, int value);
  void WriteString(const char* section, const char* key, const char* value);

  // Writes the dirty entries (every entry holding a value, with allEntries) in one batch through
  // WriteRawBatch, then marks them clean. Does nothing when the store is read-only.
  void Flush(bool allEntries);

  bool IsReadOnly() const { return readOnly; }
  void SetReadOnly(bool on) { readOnly = on; }

 protected:
  struct RawWrite {
    const char* section;
    const char* key;
    const char* value;
  };
  // Writes several values at once. The default calls WriteRaw for each; a kind whose store is
  // expensive to rewrite does it once.
  virtual void WriteRawBatch(const std::vector<RawWrite>& writes);

 private:
  struct Entry;
  struct Section;

  Section* FindSection(const char* name);
  Entry* FindEntry(Section& section, const char* key, bool load);
  Entry* AddEntry(Section& section, const char* key, const char* value, bool present, bool dirty);
  bool ReadWholeRawValue(const char* section, const char* key, std::string& value);
  void ReleaseCache();

  Section* sections = nullptr;  // newest first
  bool readOnly = false;
};

// The store on one INI file, read and written by this game's own INI reader and writer. Every
// write replaces the file through a temporary file and a rename. A file that cannot be read as
// text (a folder, unreadable, over a few megabytes) reads as empty and is never written over.
class PrivateIniFile : public IniFile {
 public:
  // fileName must not be null (a fatal check); the store keeps its own copy.
  explicit PrivateIniFile(const char* fileName);
  // Flushes the dirty entries, then releases the cache.
  ~PrivateIniFile() override;

  const char* FileName() const { return fileName; }

  // Called with errno when a write of the file failed (the file is then as it was before).
  using WriteFailure = std::function<void(int error)>;
  void OnWriteFailure(WriteFailure handler) { onWriteFailure = std::move(handler); }

  void WriteRaw(const char* section, const char* key, const char* value) override;
  int ReadRaw(const char* section, const char* key, const char* def, char* buffer,
              int size) override;

 protected:
  void WriteRawBatch(const std::vector<RawWrite>& writes) override;

 private:
  char* fileName;
  WriteFailure onWriteFailure;
};

// A store without a file: reads give their defaults until the program sets a value, and flushed
// values go nowhere. Serves programs that run without a session, and tests.
class MemoryIniFile : public IniFile {
 public:
  void WriteRaw(const char* section, const char* key, const char* value) override;
  int ReadRaw(const char* section, const char* key, const char* def, char* buffer,
              int size) override;
};

// The installed session's store (on "./quillo.ini" in the game; each test has its own); a store
// without a file while no session is installed.
IniFile& Settings();
