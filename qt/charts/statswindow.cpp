// The statistics window: totals, solve-time table, two charts and the collections' progress.
// It shows the figures it is given; every one was worked out by the game.
#include <QBarSet>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "qt/qtcharts.h"
#include "qt/qtconvert.h"

namespace {

QGroupBox* Totals(const TStatisticsView& view) {
  auto* box = new QGroupBox(QStringLiteral("Totals"));
  auto* form = new QFormLayout(box);
  for (const TStatsTotal& total : view.totals) {
    auto* value = new QLabel(ToQt(total.value));
    value->setObjectName(ToQt(total.key));
    form->addRow(ToQt(total.label) + QLatin1Char(':'), value);
  }
  return box;
}

QTableWidget* Times(const TStatisticsView& view) {
  auto* table = new QTableWidget(static_cast<int>(view.times.size()), 5);
  table->setObjectName(QStringLiteral("solveTimes"));
  table->setHorizontalHeaderLabels({QStringLiteral("Solve times"), QStringLiteral("Games"),
                                    QStringLiteral("Best"), QStringLiteral("Median"),
                                    QStringLiteral("Mean")});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  for (int row = 0; row < table->rowCount(); ++row) {
    const TStatsTimeRow& r = view.times[static_cast<std::size_t>(row)];
    const QString cells[] = {ToQt(r.label), QString::number(r.games), ToQt(r.best),
                             ToQt(r.median), ToQt(r.mean)};
    for (int column = 0; column < 5; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(row, column, item);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table->resizeColumnsToContents();
  return table;
}

QChartView* View(QChart* chart, const char* name) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* view = new QChartView(chart);
  view->setObjectName(QLatin1String(name));
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(440, 250);
  return view;
}

// Solve times in minutes, game by game, with the moving median as a line.
QChartView* TimesChart(const TStatisticsView& view) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Solve times of the last %1 solved games").arg(view.recentTimes.size()));
  auto* times = new QScatterSeries;
  times->setName(QStringLiteral("Solve time"));
  times->setMarkerSize(7);
  auto* median = new QLineSeries;
  median->setName(QStringLiteral("Moving median"));
  double top = 1;
  for (std::size_t i = 0; i < view.recentTimes.size(); ++i) {
    times->append(static_cast<double>(i + 1), view.recentTimes[i] / 60);
    if (i < view.movingMedian.size()) median->append(static_cast<double>(i + 1), view.movingMedian[i] / 60);
    top = std::max(top, view.recentTimes[i] / 60);
  }
  chart->addSeries(times);
  chart->addSeries(median);
  auto* x = new QValueAxis;
  x->setTitleText(QStringLiteral("Solved game"));
  x->setLabelFormat(QStringLiteral("%d"));
  const double games = static_cast<double>(view.recentTimes.size());
  x->setRange(0, std::max(2.0, games + 1));
  x->setTickType(QValueAxis::TicksDynamic);  // whole games only
  x->setTickAnchor(0);
  x->setTickInterval(std::max(1.0, std::ceil(games / 10)));
  auto* y = new QValueAxis;
  y->setTitleText(QStringLiteral("Minutes"));
  y->setLabelFormat(QStringLiteral("%g"));
  y->setRange(0, top * 1.1);
  y->applyNiceNumbers();
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
  return View(chart, "timesChart");
}

// Help used per game, each kind stacked on the others.
QChartView* HelpChart(const TStatisticsView& view) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Help used in the last %1 games").arg(view.recentHelp.size()));
  auto* series = new QStackedBarSeries;
  int top = 1;
  std::vector<int> sums(view.recentHelp.size());
  for (std::size_t kind = 0; kind < view.helpKinds.size(); ++kind) {
    auto* set = new QBarSet(ToQt(view.helpKinds[kind]));
    for (std::size_t game = 0; game < view.recentHelp.size(); ++game) {
      const std::vector<int>& counts = view.recentHelp[game];
      const int n = kind < counts.size() ? counts[kind] : 0;
      *set << n;
      top = std::max(top, sums[game] += n);
    }
    series->append(set);
  }
  series->setBarWidth(0.9);
  chart->addSeries(series);
  QStringList games;
  for (std::size_t game = 0; game < view.recentHelp.size(); ++game) {
    games << ((game + 1) % 10 == 0 || view.recentHelp.size() <= 20 ? QString::number(game + 1) : QString());
  }
  auto* x = new QBarCategoryAxis;
  x->append(games);
  x->setTitleText(QStringLiteral("Game"));
  auto* y = new QValueAxis;
  y->setTitleText(QStringLiteral("Times used"));
  y->setRange(0, top);
  y->setLabelFormat(QStringLiteral("%d"));
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickAnchor(0);
  y->setTickInterval(std::max(1, (top + 5) / 6));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
  return View(chart, "helpChart");
}

QGroupBox* Collections(const TStatisticsView& view) {
  auto* box = new QGroupBox(QStringLiteral("Collections"));
  auto* form = new QFormLayout(box);
  for (const TStatsCollection& c : view.collections) {
    auto* bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("collection:") + ToQt(c.name));
    bar->setRange(0, std::max(1, c.puzzles));
    bar->setValue(std::min(c.solved, c.puzzles));
    bar->setFormat(QStringLiteral("%1 of %2 solved").arg(c.solved).arg(c.puzzles));
    form->addRow(ToQt(c.name), bar);
  }
  if (view.collections.empty()) form->addRow(new QLabel(QStringLiteral("No collection played yet.")));
  return box;
}

}  // namespace

extern "C" Q_DECL_EXPORT void QuilloShowStatistics(QWidget* parent, const TStatisticsView& view) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("statisticsWindow"));
  window.setWindowTitle(QStringLiteral("Statistics"));
  auto* left = new QVBoxLayout;
  left->addWidget(Totals(view));
  left->addWidget(Times(view), 1);
  left->addWidget(Collections(view));
  auto* right = new QVBoxLayout;
  right->addWidget(TimesChart(view), 1);
  right->addWidget(HelpChart(view), 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 2);
  columns->addLayout(right, 3);
  auto* layout = new QVBoxLayout(&window);
  layout->addLayout(columns, 1);
  if (!view.note.empty()) layout->addWidget(new QLabel(ToQt(view.note)));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QPushButton* exportButton = buttons->addButton(QStringLiteral("&Export as CSV..."),
                                                 QDialogButtonBox::ActionRole);
  exportButton->setObjectName(QStringLiteral("exportCsv"));
  QObject::connect(exportButton, &QPushButton::clicked, &window, [&view] {
    if (view.exportCsv) view.exportCsv();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
  layout->addWidget(buttons);
  window.resize(1180, 760);
  window.exec();
}
