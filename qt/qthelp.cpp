// The help window over a folder of HTML pages.
#include "qt/qthelp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kIndexPage = QStringLiteral("index.html");
constexpr qint64 kLargestContentsPage = 4 * 1024 * 1024;

QString PageOfTopic(int topic) {
  return topic <= 0 ? kIndexPage : QStringLiteral("topic%1.html").arg(topic);
}
}  // namespace

std::vector<std::pair<QString, QString>> ContentsLinks(const QString& html) {
  static const QRegularExpression link(
      QStringLiteral("<a\\s[^>]*href\\s*=\\s*[\"']([^\"'#]+)[^\"']*[\"'][^>]*>(.*?)</a\\s*>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  std::vector<std::pair<QString, QString>> links;
  for (auto it = link.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString target = match.captured(1).trimmed();
    const QUrl url(target);
    if (target.isEmpty() || (!url.scheme().isEmpty() && url.scheme() != QLatin1String("file"))) continue;
    const QString title = QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText().simplified();
    bool seen = false;
    for (const auto& [file, name] : links) seen = seen || file == target;
    if (!seen) links.emplace_back(target, title.isEmpty() ? target : title);
  }
  return links;
}

QtHelpWindow::QtHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(new QListWidget), browser_(new QTextBrowser) {
  setWindowTitle(QStringLiteral("Quillo! Help"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  browser_->setOpenLinks(false);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  resize(760, 520);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { FollowLink(url); });
  connect(contents_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    OpenPage(item->data(Qt::UserRole).toString());
  });
  connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    OpenPage(item->data(Qt::UserRole).toString());
  });
}

void QtHelpWindow::ShowTopic(const QString& helpFolder, int topic) {
  QFileInfo info(helpFolder);
  const QString folder = info.isFile() ? info.absolutePath() : info.absoluteFilePath();
  if (folder != folder_ || contents_->count() == 0) {
    folder_ = folder;
    LoadContents();
  }
  OpenPage(PageOfTopic(topic));
  show();
  raise();
  activateWindow();
}

void QtHelpWindow::LoadContents() {
  contents_->clear();
  auto* top = new QListWidgetItem(QStringLiteral("Contents"), contents_);
  top->setData(Qt::UserRole, kIndexPage);
  QFile index(QDir(folder_).filePath(kIndexPage));
  if (index.size() > kLargestContentsPage || !index.open(QIODevice::ReadOnly)) return;
  for (const auto& [file, title] : ContentsLinks(QString::fromUtf8(index.readAll()))) {
    if (file == kIndexPage) continue;
    auto* item = new QListWidgetItem(title, contents_);
    item->setData(Qt::UserRole, file);
  }
}

void QtHelpWindow::OpenPage(const QString& fileName, const QString& fragment) {
  const QString path = QDir(folder_).filePath(fileName);
  if (!QFileInfo(path).isFile()) {
    currentPage_.clear();
    browser_->setHtml(QStringLiteral("<h2>Help page not found</h2><p>The page %1 is not in the help folder %2.</p>")
                          .arg(fileName.toHtmlEscaped(), folder_.toHtmlEscaped()));
    return;
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (!fragment.isEmpty()) url.setFragment(fragment);
  currentPage_ = QFileInfo(path).absoluteFilePath();
  browser_->setSource(url);
  for (int row = 0; row < contents_->count(); ++row) {
    const QString target = QDir(folder_).filePath(contents_->item(row)->data(Qt::UserRole).toString());
    if (QFileInfo(target).absoluteFilePath() == currentPage_) contents_->setCurrentRow(row);
  }
}

void QtHelpWindow::FollowLink(const QUrl& url) {
  if (!url.scheme().isEmpty() && url.scheme() != QLatin1String("file")) {
    QDesktopServices::openUrl(url);
    return;
  }
  QUrl base = browser_->source();
  if (base.isEmpty()) base = QUrl::fromLocalFile(QDir(folder_).absolutePath() + QLatin1Char('/'));
  const QUrl resolved = base.resolved(url);
  const QString local = resolved.toLocalFile();
  if (local.isEmpty()) return;
  OpenPage(QDir(folder_).relativeFilePath(local), resolved.fragment());
}
