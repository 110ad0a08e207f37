// Base of every window: built from its table by FormBuilder, which keeps each row's widget for
// the window's typed controls, with the keyboard, hover, close and bring-into-view behaviour
// all windows share. A window knows no other window: it offers intent methods and emits intent
// signals, which the composition root connects.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/Controls.h"
#include "shell/Layout.h"

class QAbstractButton;
class QComboBox;

namespace tubewise {

class Session;

// Switches the program's language from any window.
inline constexpr QKeyCombination kLanguageShortcut(Qt::CTRL | Qt::SHIFT, Qt::Key_L);

// A QDialog, so that the two modal windows run as dialogs; the keys a dialog claims for itself
// (Escape rejects, Enter presses a default button) are given back to the controls, as every
// window of the program handles them alike.
class Form : public QDialog {
    Q_OBJECT
  public:
    // Builds the window's controls from `layout`; the window is not shown.
    Form(Session& session, const WindowSpec& layout);
    ~Form() override;

    // Load handler, run once right after the window is built.
    virtual void Load() {}

    Session& session() const { return session_; }
    const WindowSpec& layout() const { return layout_; }

    // The control of that name and array index (-1 for a plain control); nullptr if none. For
    // what walks the whole table (language, focus, tests over every row); handlers use their
    // window's typed controls.
    QWidget* control(const std::string& name, int index = -1) const;
    // The widget of each row of the table, in its order; nullptr for a row that makes none.
    const std::vector<QWidget*>& rowWidgets() const { return rows_; }

    // Text and colours as the window's handlers set them.
    static void SetText(QWidget* control, const QString& text);
    static QString Text(const QWidget* control);
    static void SetForeColour(QWidget* control, const QColor& colour);
    static void SetBackColour(QWidget* control, const QColor& colour);
    static QColor BackColour(const QWidget* control);
    static QColor ForeColour(const QWidget* control);

    // Gives the focus to the enabled control with the lowest tab number that can hold it,
    // or to the window itself when there is none.
    void FocusFirst();
    // Shows the window modal: returns when it has been closed (or hidden); meanwhile the
    // program's other windows take no input. A window closed this way is discarded.
    void ShowModal();
    // Shown modeless (a visible one stays, no second window opens), restored when minimised,
    // raised, given the keyboard and repainted.
    void BringIntoView();
    // A minimised window back to its normal state.
    void Restore();

    // Used by FormBuilder: the widget made for row `row` of the table.
    void registerControl(std::size_t row, QWidget* widget);

  signals:
    // The user closed the window by its close box (or the system's close command); the
    // window is discarded, and the next reference builds it afresh.
    void unloaded();
    // The language shortcut (kLanguageShortcut), pressed in this window.
    void languageToggleRequested();

  protected:
    // Moving the pointer over one of these buttons gives it the keyboard focus.
    void setHoverFocus(std::initializer_list<QWidget*> buttons);
    // Connects a button's click to a handler that no longer runs once the program is ending.
    void onClick(QAbstractButton* button, std::function<void()> handler);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A language change shows the window in the new language (FormBuilder's ApplyLanguage),
    // then runs Retranslate.
    void changeEvent(QEvent* event) override;
    // The window's own texts in the run's language, beyond its table: accessible names and
    // descriptions. Windows that have such texts also call it once they are built.
    virtual void Retranslate() {}

  public:
    void setVisible(bool visible) override;

  private:
    bool modal_ = false;  // shown by ShowModal, whose event loop QDialog's hiding ends
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Session& session_;
    const WindowSpec& layout_;
    std::map<std::pair<std::string, int>, QWidget*> controls_;
    std::vector<QWidget*> rows_;
};

}  // namespace tubewise
