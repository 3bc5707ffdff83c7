#include "window/page_align.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

constexpr char kAlignProperty[] = "vt12Align";
constexpr char kWatcherName[] = "vt12AlignWatcher";

void LayOutChildren(QWidget* parent);

class AlignWatcher : public QObject {
public:
    explicit AlignWatcher(QWidget* parent) : QObject(parent), parent_(parent) {
        setObjectName(kWatcherName);
        parent->installEventFilter(this);
    }

    void Watch(QWidget* child) { child->installEventFilter(this); }

    void Align() {
        if (aligning_) {
            return;
        }
        aligning_ = true;
        LayOutChildren(parent_);
        aligning_ = false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == parent_) {
            if (type == QEvent::Resize) {
                Align();
            }
        } else if (type == QEvent::Resize || type == QEvent::ShowToParent ||
                   type == QEvent::HideToParent) {
            const auto* child = static_cast<QWidget*>(watched);
            if (child->parentWidget() == parent_ && AlignOf(child) != Align::None) {
                Align();
            }
        }
        return false;
    }

private:
    QWidget* parent_;
    bool aligning_ = false;
};

AlignWatcher* ExistingWatcherOf(QWidget* parent) {
    return static_cast<AlignWatcher*>(
        parent->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly));
}

AlignWatcher* WatcherOf(QWidget* parent) {
    if (AlignWatcher* watcher = ExistingWatcherOf(parent)) {
        return watcher;
    }
    return new AlignWatcher(parent);
}

} // namespace

void SetAlign(QWidget* control, Align align) {
    control->setProperty(kAlignProperty, static_cast<int>(align));
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) {
        return;
    }
    AlignWatcher* watcher = WatcherOf(parent);
    watcher->Watch(control);
    watcher->Align();
}

Align AlignOf(const QWidget* control) {
    const QVariant value = control->property(kAlignProperty);
    return value.isValid() ? static_cast<Align>(value.toInt()) : Align::None;
}

void AlignControls(QWidget* parent) {
    if (AlignWatcher* watcher = ExistingWatcherOf(parent)) {
        watcher->Align();
    }
}

void AlignTree(QWidget* root) {
    AlignControls(root);
    for (QObject* object : root->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow()) {
            AlignTree(child);
        }
    }
}

namespace {

void LayOutChildren(QWidget* parent) {
    QRect free = parent->contentsRect();
    const QObjectList& children = parent->children();
    for (const Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (QObject* object : children) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child == nullptr || child->isWindow() || AlignOf(child) != kind ||
                !child->isVisibleTo(parent)) {
                continue;
            }
            switch (kind) {
            case Align::Top:
                child->setGeometry(free.left(), free.top(), free.width(), child->height());
                free.setTop(free.top() + child->height());
                break;
            case Align::Bottom:
                child->setGeometry(free.left(), free.bottom() + 1 - child->height(), free.width(),
                                   child->height());
                free.setBottom(free.bottom() - child->height());
                break;
            case Align::Left:
                child->setGeometry(free.left(), free.top(), child->width(), free.height());
                free.setLeft(free.left() + child->width());
                break;
            case Align::Right:
                child->setGeometry(free.right() + 1 - child->width(), free.top(), child->width(),
                                   free.height());
                free.setRight(free.right() - child->width());
                break;
            case Align::Client:
                child->setGeometry(free.left(), free.top(), std::max(0, free.width()),
                                   std::max(0, free.height()));
                break;
            case Align::None:
                break;
            }
        }
    }
}

} // namespace
