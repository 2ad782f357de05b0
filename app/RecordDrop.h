// Files dropped on the window: an event filter that accepts a drag carrying local files and hands
// their paths over on the drop. Installed on the window and on any child that takes drops of its
// own.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <vector>

class QMimeData;

namespace app {

class RecordDrop : public QObject {
  Q_OBJECT
 public:
  using DropHandler = std::function<void(const std::vector<std::filesystem::path>& files)>;

  RecordDrop(DropHandler handler, QObject* parent);

  // Makes `widget` take drops and routes its drag and drop events here.
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DropHandler handler_;
};

// The local files a drag carries, in their order, byte-exact; empty when it carries none.
std::vector<std::filesystem::path> DroppedFiles(const QMimeData* data);

}  // namespace app
