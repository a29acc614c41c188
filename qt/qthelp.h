// The help window: a contents pane and a page browser over a folder of HTML pages.
#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QListWidget;
class QTextBrowser;
class QUrl;

// The local pages a contents page links to, as (file, title) in order of first appearance;
// links to other sites, mail and anchors within the same page are left out.
std::vector<std::pair<QString, QString>> ContentsLinks(const QString& html);

// Shows the pages of a help folder. Topic 0 is "index.html", the table of contents; topic N is
// "topic<N>.html". The contents pane lists "Contents" and every page index.html links to. A
// page that is missing shows a short "not found" text; links to other sites open in the
// desktop's browser.
class QtHelpWindow : public QWidget {
 public:
  explicit QtHelpWindow(QWidget* parent);

  void ShowTopic(const QString& helpFolder, int topic);
  QTextBrowser* Browser() const { return browser_; }
  QListWidget* Contents() const { return contents_; }
  // The file of the page shown, empty while a "not found" text is.
  QString CurrentPage() const { return currentPage_; }

 private:
  void LoadContents();
  void OpenPage(const QString& fileName, const QString& fragment = {});
  void FollowLink(const QUrl& url);

  QString folder_;
  QString currentPage_;
  QListWidget* contents_;
  QTextBrowser* browser_;
};
