// One run of the program: the last calculation, the seams and the windows, each built on first
// reference (running its load handler, not shown) and built afresh after it closed. The
// session knows no window by name; the composition root does.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "core/Messages.h"
#include "core/Calculation.h"
#include "core/NumberText.h"
#include "i18n/Language.h"
#include "shell/Seams.h"

namespace tubewise {

class Form;

class Session : public QObject {
    Q_OBJECT
  public:
    explicit Session(Seams seams = Seams::Desktop());
    ~Session() override;

    // The last calculation the grid asked for, refused or not; nullptr before the first. Each
    // calculation is a new value: a window that shows one keeps it as long as it needs it.
    std::shared_ptr<const Calculation> lastCalculation() const { return calculation_; }
    void keepCalculation(Calculation calc) {
        calculation_ = std::make_shared<const Calculation>(std::move(calc));
    }
    const Seams& seams() const { return seams_; }
    Seams& seams() { return seams_; }
    // Decimal separator of the user's locale.
    NumberLocale numberLocale() const;
    // A message box over `parent` with the program's prompt and title.
    void tell(QWidget* parent, const Message& message) const;

    // The window of class F (frmabout, frmdel, frmmpn, frmresult, frmgraph, frmstats,
    // frmContact, frmdarbare): built on first reference, with its load handler run, and not
    // shown.
    template <class F>
    F& form() {
        QPointer<QWidget>& slot = forms_[std::type_index(typeid(F))];
        if (!slot) {
            F* built = new F(*this);
            slot = built;
            built->Load();
            emit formBuilt(built);
        }
        return *static_cast<F*>(slot.data());
    }

    template <class F>
    bool isBuilt() const {
        auto it = forms_.find(std::type_index(typeid(F)));
        return it != forms_.end() && !it->second.isNull();
    }

    // The run's language (i18n/Language.h).
    Language language() const { return CurrentLanguage(); }
    // The analyst's choice of language: every window shows it at once, keeping what it holds,
    // and the choice is remembered for the next run. The language stays as it was when the
    // translations cannot be loaded.
    void SwitchLanguage(Language language);

    // Ends the program at once: every window closes, no further handler runs, nothing is asked.
    void EndProgram();
    bool ending() const { return ending_; }

    // Forgets a window that the user closed, so that the next reference builds it afresh
    // even before the closed one has been deleted.
    void discard(QWidget* form);

  signals:
    // A window has just been built and loaded; the composition root connects its intents here.
    void formBuilt(tubewise::Form* form);
    // The language has changed; the windows receive Qt's LanguageChange event as well.
    void languageChanged(tubewise::Language language);

  private:
    std::shared_ptr<const Calculation> calculation_;
    Seams seams_;
    std::unordered_map<std::type_index, QPointer<QWidget>> forms_;
    bool ending_ = false;
};

}  // namespace tubewise
