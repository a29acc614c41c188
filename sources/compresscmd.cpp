// Compress Puzzle File: the same reading and writing quillo-tool's compress uses, behind dialogs.
#include "sources/compresscmd.h"

#include <vector>

#include "framework/platform.h"
#include "sources/entered.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"

namespace {

constexpr const char* kTitle = "Compress Puzzle File";

// Why the plain file cannot be compressed, naming the first line at fault; "" when it can.
std::string FileProblem(const std::string& input, std::vector<std::string>& quotations) {
  if (IsCompressedQuoteFileName(input.c_str())) return "This is already a compressed puzzle file.";
  std::vector<PlainQuote> quotes;
  const QuoteFileStatus status = ReadPlainQuoteFile(input, quotes);
  if (status != QuoteFileStatus::Ok) return QuoteFileMessage(status);
  for (const PlainQuote& quote : quotes) {
    std::string problem = quote.length > kMaxQuoteLength
                              ? "the line has " + std::to_string(quote.length) +
                                    " characters, more than " + std::to_string(kMaxQuoteLength)
                              : QuotationProblem(quote.text);
    if (!problem.empty()) {
      return "Line " + std::to_string(quote.lineNumber) + ": " + problem + ".\nNothing was written.";
    }
    quotations.push_back(quote.text);
  }
  return "";
}

void ShowError(TWindow* owner, const std::string& text) {
  DialogService().MessageBox(owner, text, "Error", MB_OK | MB_ICONSTOP);
}

}  // namespace

std::string CompressedFileNameFor(const std::string& plainPath) {
  const std::size_t separator = plainPath.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = plainPath.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return plainPath + ".cqt";
  return plainPath.substr(0, dot) + ".cqt";
}

bool CompressPuzzleFile(TWindow* owner, int fontHeight) {
  TOpenFileRequest request;
  request.title = kTitle;
  request.filter = "Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|";
  request.defaultExtension = "qot";
  const TOpenFileResult chosen = DialogService().OpenFile(owner, request);
  if (!chosen.ok) {
    if (chosen.errorCode != 0) {
      ShowError(owner, "Open file dialog error code #" + std::to_string(chosen.errorCode));
    }
    return false;
  }

  std::vector<std::string> quotations;
  const std::string problem = FileProblem(chosen.path, quotations);
  if (!problem.empty()) {
    ShowError(owner, problem);
    return false;
  }
  char description[kQuoteBufferSize] = "";
  if (RunInputDialog(owner, kTitle, "Describe this collection in one line:", description,
                     sizeof description, fontHeight, "MiscInput") != IDOK) {
    return false;
  }
  const std::string output = CompressedFileNameFor(chosen.path);
  std::string error;
  if (!WriteCompressedQuoteFile(output, quotations, description, error)) {
    ShowError(owner, "The compressed puzzle file could not be written:\n" + output);
    return false;
  }
  DialogService().MessageBox(owner, "The compressed puzzle file was written:\n" + output, kTitle,
                        MB_OK | MB_ICONINFORMATION);
  return true;
}
