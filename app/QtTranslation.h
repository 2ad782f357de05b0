// Qt's own texts in Russian (file dialogs, message box buttons, the replace question), whatever the
// user's locale: the whole interface is Russian. Texts of our own are not translated.
#pragma once

#include <QTranslator>

namespace app {

// Installs Qt's Russian translation into the application for its lifetime.
class RussianQtTexts {
 public:
  RussianQtTexts();
  ~RussianQtTexts();
  RussianQtTexts(const RussianQtTexts&) = delete;
  RussianQtTexts& operator=(const RussianQtTexts&) = delete;

  // False when Qt's translations are not installed; Qt's texts then stay English.
  bool Loaded() const { return loaded_; }

 private:
  QTranslator translator_;
  bool loaded_ = false;
};

}  // namespace app
