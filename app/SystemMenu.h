// The window's system menu, as a menu of our own: the window system owns the title bar on most
// desktops, so the window carries an equivalent menu (opened by right-clicking the menu bar or by
// Alt+Space). Each item reports its command id to the window's one system-command handler, which
// acts on the standard ones and on ours (1025 opens the about dialog).
#pragma once

#include <QMenu>
#include <QPointer>
#include <cstdint>
#include <functional>

class QMenuBar;

namespace app {

// Menu flags and the standard commands. The commands' ids (0xF010 and up) lie far above ours, so an
// id tells them apart.
inline constexpr unsigned MF_BYCOMMAND = 0x0000;
inline constexpr unsigned MF_BYPOSITION = 0x0400;
inline constexpr unsigned MF_SEPARATOR = 0x0800;
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

class TSystemMenu : public QObject {
  Q_OBJECT
 public:
  using CommandHandler = std::function<void(unsigned commandId)>;

  // Builds the standard items and hooks Alt+Space and the menu bar's context menu to open it.
  TSystemMenu(QWidget* window, QMenuBar* menuBar, CommandHandler handler);

  QMenu* menu() { return &menu_; }

  // Inserts before the item at `position` (MF_BYPOSITION) or before the item with that command id;
  // past the end or with no such item, appends. Text is CP1251.
  bool Insert(unsigned position, unsigned flags, std::uintptr_t commandId, const char* text);

  // What a chosen item does: tells the handler its command id.
  void Choose(unsigned commandId);

  // Opens the menu at a screen position.
  void Popup(const QPoint& globalPos);

 private:
  QAction* AddCommand(const QString& text, unsigned commandId);

  QWidget* window_;
  QMenu menu_;
  CommandHandler handler_;
};

// The window's system menu (`revert` restores the standard items, which we never need: always
// false).
TSystemMenu* GetSystemMenu(QWidget* window, bool revert);

bool InsertMenuA(TSystemMenu* menu, unsigned position, unsigned flags, std::uintptr_t newItemId,
                 const char* newItemText);

// What the window system does with a system command when the window has passed it on: the standard
// commands act on the window; others (ours included) do nothing more.
void DefaultSystemCommand(QWidget* window, unsigned commandId);

}  // namespace app
