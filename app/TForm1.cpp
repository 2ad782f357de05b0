// The main window: builds its menu, shortcuts and controls, adds the system-menu entry, lays out
// the work area and routes every command through the error box.
#include "app/TForm1.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>

#include "app/ChartView.h"
#include "app/Cp1251Text.h"
#include "app/Glyphs.h"
#include "app/MenuBarStyle.h"
#include "app/NativePath.h"
#include "app/RecordDrop.h"
#include "app/ReportView.h"
#include "app/SystemMenu.h"
#include "app/TAboutBox.h"
#include "app/UserPrompts.h"
#include "gif/GIFErrors.h"
#include "runtime/Cp1251.h"
#include "runtime/Errors.h"

namespace app {

namespace {

constexpr unsigned kAboutCommand = 1025;
constexpr unsigned kMenuEnd = 65535;
// The report view starts below the chart.
constexpr int kReportTop = 370;

}  // namespace

TForm1::TForm1(WindowServices services, std::filesystem::path exeFolder, QWidget* parent)
    : QMainWindow(parent),
      OpenDialog1(TFileDialog::Kind::Open, services.dialogs),
      SaveDialog(TFileDialog::Kind::Save, services.dialogs),
      ShareDialog(TFileDialog::Kind::Save, services.dialogs),
      services_(std::move(services)),
      exeFolder_(std::move(exeFolder)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("ЗИРТ - Тест Струпа"));
  setWindowIcon(ApplicationIcon());
  QFont formFont(QStringLiteral("MS Sans Serif"));
  formFont.setPixelSize(11);
  setFont(formFont);
  SaveDialog.OverwritePrompt = true;
  ShareDialog.OverwritePrompt = true;
  CreateMenus();
  CreateControls();
  CreateContextMenus();
  resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
  systemMenu_ = new TSystemMenu(this, menuBar(), [this](unsigned id) { WMSysCommand(id); });
  FormCreate();
  CreateShortcuts();
}

TForm1::~TForm1() = default;

chart::TChart& TForm1::Chart5sec() { return Chart5secView->Chart(); }

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto* style = new MenuBarStyle();
  style->setParent(bar);
  bar->setStyle(style);
  bar->setNativeMenuBar(false);

  mmOpen = bar->addAction(MenuGlyph(Glyph::Open), QStringLiteral("Data"));
  connect(mmOpen, &QAction::triggered, this, [this] { RunCommand([this] { mmOpenClick(); }); });
  const Glyph plotGlyphs[] = {Glyph::Plot1, Glyph::Plot2, Glyph::Plot3, Glyph::Plot4};
  const Qt::Key plotKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
  QAction** plots[] = {&mmPlot1, &mmPlot2, &mmPlot3, &mmPlot4};
  for (int tag = 1; tag <= 4; ++tag) {
    QAction* item =
        bar->addAction(MenuGlyph(plotGlyphs[tag - 1]), QStringLiteral("Plot%1").arg(tag));
    item->setObjectName(QStringLiteral("mmPlot%1").arg(tag));
    item->setProperty("Tag", tag);
    item->setShortcut(QKeySequence(Qt::CTRL | plotKeys[tag - 1]));
    connect(item, &QAction::triggered, this,
            [this, item] { RunCommand([this, item] { mmPlot1Click(item); }); });
    *plots[tag - 1] = item;
  }
  mmSave = bar->addMenu(MenuGlyph(Glyph::Save), QStringLiteral("Save"));
  mmSave->setObjectName(QStringLiteral("mmSave"));
  mmSaveAnalysis = mmSave->addAction(MenuGlyph(Glyph::SaveAnalysis), QStringLiteral("Analysis"));
  connect(mmSaveAnalysis, &QAction::triggered, this,
          [this] { RunSaveCommand(&TForm1::mmSaveAnalysisClick); });
  mmSaveChart5sec = mmSave->addAction(MenuGlyph(Glyph::SaveChart), QStringLiteral("Chart"));
  connect(mmSaveChart5sec, &QAction::triggered, this,
          [this] { RunSaveCommand(&TForm1::btSaveClick); });
  mmOpen->setObjectName(QStringLiteral("mmOpen"));
  mmSaveAnalysis->setObjectName(QStringLiteral("mmSaveAnalysis"));
  mmSaveChart5sec->setObjectName(QStringLiteral("mmSaveChart5sec"));
}

void TForm1::CreateShortcuts() {
  // Shown beside the items they choose: the bar's items in the bar, Save's in its menu, F1 in the
  // system menu (which is reachable from the menu bar's context menu: window managers keep
  // Alt+Space for their own window menu).
  mmOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  mmSaveAnalysis->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  mmSaveChart5sec->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  for (QAction* item : systemMenu_->menu()->actions()) {
    if (item->isSeparator() || item->data().toUInt() != kAboutCommand) continue;
    item->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(item);  // the window's shortcut, also while the system menu is closed
  }
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, this, &TForm1::OpenMenuBarByKeyboard);
}

void TForm1::CreateContextMenus() {
  auto item = [this](const char* name, const QString& caption, auto command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    return action;
  };
  pmCopyChart =
      item("pmCopyChart", QStringLiteral("Копировать изображение"), [this] { pmCopyChartClick(); });
  pmSavePng1x =
      item("pmSavePng1x", QStringLiteral("Сохранить в PNG (1x)..."), [this] { SaveChartPng(1); });
  pmSavePng2x =
      item("pmSavePng2x", QStringLiteral("Сохранить в PNG (2x)..."), [this] { SaveChartPng(2); });
  pmSavePng4x =
      item("pmSavePng4x", QStringLiteral("Сохранить в PNG (4x)..."), [this] { SaveChartPng(4); });
  pmSaveSvg = item("pmSaveSvg", QStringLiteral("Сохранить в SVG..."), [this] { SaveChartSvg(); });
  pmSavePdf = item("pmSavePdf", QStringLiteral("Сохранить в PDF..."), [this] { SaveChartPdf(); });
  pmSaveReportPdf = item("pmSaveReportPdf", QStringLiteral("Сохранить отчет в PDF..."),
                         [this] { pmSaveReportPdfClick(); });
  pmCopyReport =
      item("pmCopyReport", QStringLiteral("Копировать всё"), [this] { pmCopyReportClick(); });

  auto* separator = new QAction(this);
  separator->setSeparator(true);
  auto* separator2 = new QAction(this);
  separator2->setSeparator(true);
  Chart5secView->setContextMenuPolicy(Qt::ActionsContextMenu);
  Chart5secView->addActions({pmCopyChart, separator, pmSavePng1x, pmSavePng2x, pmSavePng4x,
                             pmSaveSvg, pmSavePdf, separator2, pmSaveReportPdf});
  meAnalysis->SetReportActions({pmCopyReport, pmSaveReportPdf});
}

void TForm1::OpenMenuBarByKeyboard() {
  // The menu bar enters its keyboard navigation on Alt pressed and released alone; F10 sends the
  // window the same events.
  const std::pair<QEvent::Type, Qt::KeyboardModifiers> steps[] = {
      {QEvent::ShortcutOverride, Qt::AltModifier},
      {QEvent::KeyPress, Qt::AltModifier},
      {QEvent::KeyRelease, Qt::NoModifier}};
  for (const auto& [type, modifiers] : steps) {
    QKeyEvent alt(type, Qt::Key_Alt, modifiers);
    QCoreApplication::sendEvent(this, &alt);
  }
}

void TForm1::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);

  Bevel1 = new QFrame(client);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(0, 0, 1032, 2);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  // The work panel follows the client area. Inside it the work area is never smaller than the
  // design client size: a smaller window (a small screen, a large scaling) scrolls it instead of
  // cutting the chart or the report off.
  paWork = new QScrollArea(client);
  paWork->setObjectName(QStringLiteral("paWork"));
  paWork->setFrameShape(QFrame::NoFrame);
  paWork->setWidgetResizable(true);
  client->installEventFilter(this);
  WorkArea = new QWidget();
  WorkArea->setObjectName(QStringLiteral("WorkArea"));
  WorkArea->setMinimumSize(kDesignClientWidth, kDesignClientHeight);
  WorkArea->installEventFilter(this);
  paWork->setWidget(WorkArea);

  // The chart keeps its design place and size (its saved image is always 1023 x 369).
  Chart5secView = new ChartView(WorkArea);
  Chart5secView->setObjectName(QStringLiteral("Chart5sec"));
  Chart5secView->setGeometry(1, 1, 1023, 369);
  Chart5secView->SetMouseMoveHandler([this](int x, int y) { Chart5secMouseMove(x, y); });
  Chart5secView->SetCursorSource(services_.cursorPos);

  meAnalysis = new ReportView(WorkArea);
  meAnalysis->setObjectName(QStringLiteral("meAnalysis"));
  meAnalysis->setGeometry(1, kReportTop, 1023, kDesignClientHeight - kReportTop);
  QFont reportFont(QStringLiteral("Courier New"));
  reportFont.setStyleHint(QFont::TypeWriter);
  reportFont.setPixelSize(16);
  meAnalysis->setFont(reportFont);
  meAnalysis->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  meAnalysis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  meAnalysis->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  meAnalysis->setReadOnly(false);

  sbSelfCheck = new QStatusBar(this);
  sbSelfCheck->setObjectName(QStringLiteral("sbSelfCheck"));
  sbSelfCheck->setSizeGripEnabled(false);
  setStatusBar(sbSelfCheck);
  sbSelfCheck->hide();

  // A record file dropped anywhere on the window loads; the report view would paste its name.
  auto* drop = new RecordDrop([this](const auto& files) { DropFiles(files); }, this);
  drop->Watch(this);
  drop->Watch(meAnalysis->viewport());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == centralWidget()) paWork->setGeometry(centralWidget()->rect());
    // The report view grows with the work area to the right and down.
    if (watched == WorkArea)
      meAnalysis->setGeometry(1, kReportTop, WorkArea->width() - 1,
                              WorkArea->height() - kReportTop);
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCreate() {
  InsertMenuA(GetSystemMenu(this, false), kMenuEnd, MF_SEPARATOR, kAboutCommand, "");
  InsertMenuA(GetSystemMenu(this, false), kMenuEnd, MF_BYPOSITION, kAboutCommand,
              runtime::Cp1251FromUtf8("О программе").c_str());
  meAnalysis->clear();
  Chart5secView->raise();
  SetRecordCommandsEnabled(false);
  paWork->hide();
  SaveDialog.Filter = QStringLiteral("Reults files (*.txt;*gif)|*.TXT;*GIF");
  OpenDialog1.Filter = QStringLiteral("Data files (*.txt;*.cry)|*.TXT;*CRY");
}

void TForm1::SetRecordCommandsEnabled(bool enabled) {
  for (QAction* item : {mmPlot1, mmPlot2, mmPlot3, mmPlot4, mmSave->menuAction()})
    item->setEnabled(enabled);
}

void TForm1::RunSaveCommand(void (TForm1::*command)()) {
  if (!mmSave->menuAction()->isEnabled()) return;
  RunCommand([this, command] { (this->*command)(); });
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  // The window starts maximised over the screen's working area (also where no window manager
  // maximises it); restored from there it takes its design size rather than staying that large.
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  if (!(change->oldState() & Qt::WindowMaximized) || windowState() != Qt::WindowNoState) return;
  if (!screen()) return;
  const QSize available = screen()->availableGeometry().size();
  const QSize design(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
  const QSize frame = frameGeometry().size();
  if (frame.expandedTo(available) == frame) resize(design.boundedTo(available));
}

void TForm1::WMSysCommand(unsigned commandId) {
  if (commandId == kAboutCommand && aboutBox_) {
    aboutBox_->show();
    aboutBox_->raise();
    aboutBox_->activateWindow();
  }
  DefaultSystemCommand(this, commandId);
}

void TForm1::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const gif::EAbort&) {
    // The silent abort ends a command without an error box.
  } catch (const runtime::Exception& error) {
    ShowError(error.Message());
  } catch (const std::bad_alloc&) {
    ShowError("Out of memory");
  }
}

void TForm1::ShowError(const std::string& messageCp1251) {
  services_.prompts.ShowError(this, FromCp1251(runtime::ErrorBoxText(messageCp1251)));
}

}  // namespace app
