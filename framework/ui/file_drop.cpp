#include "framework/ui/file_drop.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "framework/folder_item.h"
#include "framework/ui/drag_item.h"
#include "framework/ui/file_type_match.h"
#include "framework/ui/qt_conversions.h"
#include "framework/ui/rect_control.h"

namespace framework {
namespace {

// The first item of a drag, when it is a local file or folder.
std::optional<FolderItem> FirstItem(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
  const QUrl& url = data->urls().first();
  if (!url.isLocalFile()) return std::nullopt;
  return FolderItem(PathOfLocalUrl(url));
}

class FileDropFilter : public QObject {
 public:
  FileDropFilter(RectControl& control, std::string typeName, QObject* parent)
      : QObject(parent), control_(control), typeName_(std::move(typeName)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (Offered(drag->mimeData())) {
          drag->acceptProposedAction();
        } else {
          drag->ignore();
        }
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        std::optional<FolderItem> first = FirstItem(drop->mimeData());
        DragItem item = first ? DragItem(*first) : DragItem();
        drop->acceptProposedAction();
        control_.RaiseEvent(kDropObjectEvent, {&item, static_cast<int32_t>(drop->dropAction())});
        return true;
      }
      default:
        return false;
    }
  }

 private:
  bool Offered(const QMimeData* data) const {
    std::optional<FolderItem> first = FirstItem(data);
    return first && (first->Directory() || FileMatchesType(*first, typeName_));
  }

  RectControl& control_;
  std::string typeName_;
};

}  // namespace

void InstallFileDrop(RectControl& control, std::string typeName, QObject* context) {
  QWidget* widget = control.Widget();
  widget->setAcceptDrops(true);
  widget->installEventFilter(new FileDropFilter(control, std::move(typeName), context));
}

}  // namespace framework
