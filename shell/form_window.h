#pragma once
// A top-level window built from its form, with the rules every window of the program
// shares: fixed size centred on the screen, the keyboard rules (Tab order, Esc, Enter,
// F1) and the focus given back on activation.

#include "shell/form.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace shell {

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    // owner, when given, keeps the window above it and off the taskbar; the window is
    // still a top-level window of its own.
    explicit FormWindow(const QString &formPath, QWidget *owner = nullptr);
    ~FormWindow() override;

    // False when the form could not be read or built; such a window must not be shown.
    bool isBuilt() const { return m_built; }
    const FormSpec &form() const { return m_form; }

    template<typename Control>
    Control *control(QStringView name) const
    {
        return findChild<Control *>(name.toString());
    }

    // Runs handler on each click of the named button.
    void onClick(QStringView button, std::function<void()> handler);

Q_SIGNALS:
    // The user is closing the window; it is still on screen.
    void closing();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool applyKeyboardRules(const QKeyEvent *key);
    QList<QWidget *> focusable() const;
    void giveFocusBack();
    void fitFrame();

    FormSpec m_form;
    bool m_built = false;
    QPointer<QWidget> m_lastFocus;
    QMargins m_fittedFrame{-1, -1, -1, -1};
};

} // namespace shell
