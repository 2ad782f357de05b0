// QFileDialog behind TFileDialog, filtering through our own case-insensitive patterns.
#include "app/QtFileDialogRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include "app/FileFilter.h"

namespace app {

namespace {

// Qt reads patterns out of the description's parentheses and splits them at blanks, which would
// turn "Data files (*.txt;*.cry)" into one pattern matching nothing. The dialog's own name
// filtering is switched off and this proxy applies the patterns that follow the '|' instead.
class PatternProxy : public QSortFilterProxyModel {
 public:
  PatternProxy(std::vector<FileFilterEntry> entries, QObject* parent)
      : QSortFilterProxyModel(parent), entries_(std::move(entries)) {}

  void SelectEntry(const QString& description) {
    for (const FileFilterEntry& entry : entries_)
      if (entry.description == description) patterns_ = entry.patterns;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex index = files->index(row, 0, parent);
    if (files->isDir(index) || patterns_.isEmpty()) return true;
    return MatchesAnyFilePattern(files->fileName(index), patterns_);
  }

 private:
  std::vector<FileFilterEntry> entries_;
  QStringList patterns_;
};

// The folder itself when Qt can list it, else the nearest one above that it can.
QString NearestExistingFolder(const QString& folder) {
  QString dir = QDir::cleanPath(folder);
  while (!dir.isEmpty() && !QFileInfo(dir).isDir()) {
    const QString up = QFileInfo(dir).path();
    if (up == dir) break;
    dir = up;
  }
  return dir;
}

// Qt's dialog cannot open a folder that does not exist under the name it shows (the results folder
// before the first save, a folder whose name is not valid UTF-8): it falls back to the working
// folder and answers with the whole path appended to it. The dialog opens in the nearest folder
// above that exists, and the rest of the path goes into the name field.
void OpenAt(QFileDialog& qt, const QString& folder, const QString& name) {
  const QString existing = NearestExistingFolder(folder);
  if (!existing.isEmpty()) qt.setDirectory(existing);
  if (name.isEmpty()) return;
  const QString prefix = existing.endsWith(u'/') ? existing : existing + u'/';
  qt.selectFile(!existing.isEmpty() && name.startsWith(prefix) ? name.mid(prefix.size()) : name);
}

}  // namespace

QSize InitialFileDialogSize(const QWidget* parent) {
  QSize size(960, 600);
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  return size;
}

std::unique_ptr<QFileDialog> MakeQtFileDialog(const TFileDialog& dialog, QWidget* parent,
                                              const FileDialogMemory& memory) {
  std::unique_ptr<QFileDialog> qt = std::make_unique<QFileDialog>(parent, dialog.Title);
  qt->setOption(QFileDialog::DontUseNativeDialog);
  const bool save = dialog.kind() == TFileDialog::Kind::Save;
  qt->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  qt->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  qt->setOption(QFileDialog::DontConfirmOverwrite, !(save && dialog.OverwritePrompt));

  std::vector<FileFilterEntry> entries = ParseFileFilter(dialog.Filter);
  QStringList descriptions;
  for (const FileFilterEntry& entry : entries) descriptions << entry.description;
  // Filters go in before the file name: a save dialog rewrites the name's extension on a filter
  // change.
  if (!descriptions.isEmpty()) qt->setNameFilters(descriptions);
  auto* proxy = new PatternProxy(std::move(entries), qt.get());
  qt->setProxyModel(proxy);
  if (auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel())) {
    files->setNameFilters({});
    files->setNameFilterDisables(false);
  }
  if (!descriptions.isEmpty()) proxy->SelectEntry(descriptions.first());
  QObject::connect(qt.get(), &QFileDialog::filterSelected, proxy,
                   [proxy, files = proxy->sourceModel()](const QString& description) {
                     if (auto* model = qobject_cast<QFileSystemModel*>(files))
                       model->setNameFilters({});
                     proxy->SelectEntry(description);
                   });

  QString folder = memory.folder.isEmpty() ? dialog.InitialDir : memory.folder;
  QString name = dialog.FileName;
  if (!memory.folder.isEmpty() && !name.isEmpty())
    name = memory.folder + u'/' + QFileInfo(name).fileName();
  if (folder.isEmpty() && QFileInfo(name).isAbsolute()) folder = QFileInfo(name).path();
  OpenAt(*qt, folder, name);
  // The detail view's default columns cut the type and the date: they take their contents' width,
  // the name the rest.
  if (auto* view = qt->findChild<QTreeView*>()) {
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  qt->resize(memory.size.isValid() ? memory.size : InitialFileDialogSize(parent));
  return qt;
}

void RememberFileDialog(const QFileDialog& qt, bool accepted, FileDialogMemory& memory) {
  memory.size = qt.size();
  if (accepted && !qt.selectedFiles().isEmpty())
    memory.folder = QFileInfo(qt.selectedFiles().first()).absolutePath();
}

std::optional<QString> QtFileDialogRunner::Run(const TFileDialog& dialog, QWidget* parent) {
  FileDialogMemory& memory = dialog.kind() == TFileDialog::Kind::Open ? open_ : save_;
  std::unique_ptr<QFileDialog> qt = MakeQtFileDialog(dialog, parent, memory);
  const bool accepted = qt->exec() == QDialog::Accepted && !qt->selectedFiles().isEmpty();
  RememberFileDialog(*qt, accepted, memory);
  if (!accepted) return std::nullopt;
  return qt->selectedFiles().first();
}

}  // namespace app
