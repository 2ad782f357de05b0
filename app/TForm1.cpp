// The main window: builds its menu and controls, adds the system-menu entry, keeps the border rules
// and routes every command through the error box.
#include "app/TForm1.h"

#include <QAction>
#include <QFrame>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "app/ChartView.h"
#include "app/Cp1251Text.h"
#include "app/Glyphs.h"
#include "app/MenuBarStyle.h"
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

}  // namespace

TForm1::TForm1(WindowServices services, QString exeFolder, QWidget* parent)
    : QMainWindow(parent),
      OpenDialog1(TFileDialog::Kind::Open, services.dialogs),
      SaveDialog(TFileDialog::Kind::Save, services.dialogs),
      services_(std::move(services)),
      exeFolder_(std::move(exeFolder)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("ЗИРТ - Тест Струпа"));
  setWindowIcon(ApplicationIcon());
  QFont formFont(QStringLiteral("MS Sans Serif"));
  formFont.setPixelSize(11);
  setFont(formFont);
  SaveDialog.OverwritePrompt = true;
  CreateMenus();
  CreateControls();
  resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
  systemMenu_ = new TSystemMenu(this, menuBar(), [this](unsigned id) { WMSysCommand(id); });
  FormCreate();
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
  QAction** plots[] = {&mmPlot1, &mmPlot2, &mmPlot3, &mmPlot4};
  for (int tag = 1; tag <= 4; ++tag) {
    QAction* item =
        bar->addAction(MenuGlyph(plotGlyphs[tag - 1]), QStringLiteral("Plot%1").arg(tag));
    item->setObjectName(QStringLiteral("mmPlot%1").arg(tag));
    item->setProperty("Tag", tag);
    connect(item, &QAction::triggered, this,
            [this, item] { RunCommand([this, item] { mmPlot1Click(item); }); });
    *plots[tag - 1] = item;
  }
  mmSave = bar->addMenu(MenuGlyph(Glyph::Save), QStringLiteral("Save"));
  mmSave->setObjectName(QStringLiteral("mmSave"));
  mmSaveAnalysis = mmSave->addAction(MenuGlyph(Glyph::SaveAnalysis), QStringLiteral("Analysis"));
  connect(mmSaveAnalysis, &QAction::triggered, this,
          [this] { RunCommand([this] { mmSaveAnalysisClick(); }); });
  mmSaveChart5sec = mmSave->addAction(MenuGlyph(Glyph::SaveChart), QStringLiteral("Chart"));
  connect(mmSaveChart5sec, &QAction::triggered, this,
          [this] { RunCommand([this] { btSaveClick(); }); });
  mmOpen->setObjectName(QStringLiteral("mmOpen"));
  mmSaveAnalysis->setObjectName(QStringLiteral("mmSaveAnalysis"));
  mmSaveChart5sec->setObjectName(QStringLiteral("mmSaveChart5sec"));
}

void TForm1::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);

  Bevel1 = new QFrame(client);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(0, 0, 1032, 2);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  // The work panel follows the client area; the controls inside keep their fixed places and sizes,
  // and the panel clips the report view's lower part.
  paWork = new QWidget(client);
  paWork->setObjectName(QStringLiteral("paWork"));
  paWork->setAutoFillBackground(true);
  client->installEventFilter(this);

  Chart5secView = new ChartView(paWork);
  Chart5secView->setObjectName(QStringLiteral("Chart5sec"));
  Chart5secView->setGeometry(1, 1, 1023, 369);
  Chart5secView->SetMouseMoveHandler([this](int x, int y) { Chart5secMouseMove(x, y); });
  Chart5secView->SetCursorSource(services_.cursorPos);

  meAnalysis = new QPlainTextEdit(paWork);
  meAnalysis->setObjectName(QStringLiteral("meAnalysis"));
  meAnalysis->setGeometry(1, 370, 1023, 360);
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
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize)
    paWork->setGeometry(centralWidget()->rect());
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

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) ApplyBorder();
}

void TForm1::ApplyBorder() {
  // A single, fixed border: the restored window keeps the design client size. A maximised one is
  // sized by the window system, so the constraint is lifted while it is maximised.
  if (isMaximized() || isMinimized() || isFullScreen()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kDesignClientWidth, kDesignClientHeight + menuHeight);
  }
}

void TForm1::WMSysCommand(unsigned commandId) {
  if (commandId == kAboutCommand && aboutBox_) aboutBox_->show();
  // The fixed border's size constraint would stop the window system from resizing the window; it is
  // set again once the new state is reached.
  if (commandId == SC_MAXIMIZE || commandId == SC_RESTORE) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
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
