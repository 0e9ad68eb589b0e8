#include "gui/window_stack.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// Follows the owner of one helper window and hands the helper down when the owner hides.
class OwnerWatch : public QObject {
public:
    explicit OwnerWatch(QWidget& helper) : QObject(&helper), helper_(helper) { setObjectName("OwnerWatch"); }

    void watch(QWidget* owner) {
        if (owner_ == owner) return;
        if (owner_) owner_->removeEventFilter(this);
        owner_ = owner;
        if (owner_) owner_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == owner_ && event->type() == QEvent::Hide) {
            QWidget* below = owner_->parentWidget();
            stack_above(helper_, below);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& helper_;
    QPointer<QWidget> owner_;
};

}  // namespace

void stack_above(QWidget& window, QWidget* owner) {
    QWidget* top = owner ? owner->window() : nullptr;
    if (top == &window) return;
    window.winId();  // the native window must exist to take a transient parent
    QWindow* parent = nullptr;
    if (top) {
        top->winId();
        parent = top->windowHandle();
    }
    if (window.windowHandle()->transientParent() != parent) window.windowHandle()->setTransientParent(parent);
    auto* watch = window.findChild<OwnerWatch*>("OwnerWatch", Qt::FindDirectChildrenOnly);
    if (!watch) watch = new OwnerWatch(window);
    watch->watch(top);
}

QWidget* asking_window() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}
