// Accepts drags of local files and reports the drop.
#include "app/RecordDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "app/NativePath.h"

namespace app {

std::vector<std::filesystem::path> DroppedFiles(const QMimeData* data) {
  std::vector<std::filesystem::path> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    std::filesystem::path path = PathFromUrl(url);
    if (!path.empty()) files.push_back(std::move(path));
  }
  return files;
}

RecordDrop::RecordDrop(DropHandler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

void RecordDrop::Watch(QWidget* widget) {
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

bool RecordDrop::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (DroppedFiles(drag->mimeData()).empty()) return QObject::eventFilter(watched, event);
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<std::filesystem::path> files = DroppedFiles(drop->mimeData());
      if (files.empty()) return QObject::eventFilter(watched, event);
      drop->acceptProposedAction();
      handler_(files);
      return true;
    }
    default: return QObject::eventFilter(watched, event);
  }
}

}  // namespace app
