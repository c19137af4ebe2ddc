#include "shell/form_window.h"

#include "shell/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

namespace shell {

namespace {

constexpr Qt::WindowFlags kFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FormWindow::FormWindow(const QString &formPath, QWidget *owner)
    : QWidget(owner, kFrame)
{
    auto form = LoadForm(formPath);
    if (!form)
        return;
    m_form = std::move(*form);
    setObjectName(m_form.id);
    setWindowTitle(m_form.title);
    if (!BuildControls(this, m_form))
        return;
    m_built = true;
    setFixedSize(m_form.outerSize);

    // The window sees every key press before the focused control does.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            m_lastFocus = now;
    });
}

FormWindow::~FormWindow()
{
    qApp->removeEventFilter(this);
}

void FormWindow::onClick(QStringView button, std::function<void()> handler)
{
    if (auto *target = control<QAbstractButton>(button))
        connect(target, &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

bool FormWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        fitFrame();
        break;
    case QEvent::WindowActivate:
        // A window blocked by a modal window hands the activation on to it.
        if (!isEnabled()) {
            if (QWidget *modal = CurrentModalWindow(); modal && modal != this)
                modal->activateWindow();
        } else {
            giveFocusBack();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A window manager frames the window only once it is mapped, and tells no widget.
    if (event->type() == QEvent::Expose && watched == windowHandle())
        QMetaObject::invokeMethod(this, &FormWindow::fitFrame, Qt::QueuedConnection);
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget *>(watched)->window() != this)
        return false;
    return applyKeyboardRules(static_cast<QKeyEvent *>(event));
}

// True when the key is used up by a rule; false lets the focused control have it.
bool FormWindow::applyKeyboardRules(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers held
        = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key->key() == Qt::Key_Tab && held == Qt::NoModifier)
        return focusNextPrevChild(true);
    if (key->key() == Qt::Key_Backtab && (held == Qt::ShiftModifier || held == Qt::NoModifier))
        return focusNextPrevChild(false);
    if (held != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (isEnter(key->key()))
        return !qobject_cast<QPlainTextEdit *>(focusWidget());
    return key->key() == Qt::Key_F1;
}

QList<QWidget *> FormWindow::focusable() const
{
    QList<QWidget *> controls;
    for (const QString &name : m_form.focusOrder) {
        QWidget *widget = control<QWidget>(name);
        if (widget && widget->isVisible() && widget->isEnabled())
            controls.append(widget);
    }
    return controls;
}

// Tab and Shift+Tab follow the form's focus order and wrap around at its ends.
bool FormWindow::focusNextPrevChild(bool next)
{
    const QList<QWidget *> controls = focusable();
    if (controls.isEmpty())
        return true;
    QWidget *current = focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (current && (controls[i] == current || controls[i]->isAncestorOf(current)))
            at = i;
    }
    qsizetype target;
    if (at < 0)
        target = next ? 0 : controls.size() - 1;
    else
        target = (at + (next ? 1 : controls.size() - 1)) % controls.size();
    if (target != at)
        controls[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FormWindow::giveFocusBack()
{
    QWidget *target = m_lastFocus;
    m_lastFocus = nullptr;
    if (!target || !target->isVisible() || !target->isEnabled() || target->window() != this) {
        const QList<QWidget *> controls = focusable();
        target = controls.isEmpty() ? nullptr : controls.first();
    }
    if (target)
        target->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closing();
    event->accept();
}

// The form gives the outer size. Once the platform reports the frame, the client area
// is what the frame leaves, grown where needed to show the whole form, and the window
// is centred on the whole screen.
void FormWindow::fitFrame()
{
    if (!m_built || !isVisible() || !windowHandle())
        return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame == m_fittedFrame)
        return;
    m_fittedFrame = frame;
    const QSize extent = FormExtent(m_form);
    const QSize client(std::max(m_form.outerSize.width() - frame.left() - frame.right(), extent.width()),
                       std::max(m_form.outerSize.height() - frame.top() - frame.bottom(), extent.height()));
    setFixedSize(client);
    const QSize outer = client.grownBy(frame);
    const QRect whole = screen()->geometry();
    move(whole.x() + (whole.width() - outer.width()) / 2, whole.y() + (whole.height() - outer.height()) / 2);
}

} // namespace shell
