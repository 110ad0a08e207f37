// The windows in English beside Persian: every table text translated, every window mirrored
// and back again, every English text as whole in its box as its Persian counterpart, the switch
// on the welcome window, the remembered choice, and every control named for a screen reader.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTranslator>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "results/ResultTexts.h"
#include "tests/support/Calculations.h"
#include "results/frmresult.h"
#include "register/frmregister.h"
#include "register/frmregsave.h"
#include "results/frmstats.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "site/frmsite.h"
#include "tests/shell/WindowFixture.h"
#include "trays/frmtray.h"

namespace tubewise {
namespace {

using testing::WindowTest;

bool HasPersianLetters(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Arabic) return true;
    return false;
}

std::string Where(const std::string& window, const ControlSpec& c) {
    return window + " " + c.name + "(" + std::to_string(c.index) + ")";
}

class LanguageTest : public WindowTest {
  protected:
    // A window built from its table alone, in the run's language.
    Form& Build(const std::string& name) {
        built_.push_back(std::make_unique<Form>(*session, LayoutOf(name)));
        return *built_.back();
    }
    static bool HasText(const ControlSpec& c) {
        return !c.text.empty() && (c.kind == ControlKind::Label || c.kind == ControlKind::Button);
    }
    std::vector<std::unique_ptr<Form>> built_;
};

TEST_F(LanguageTest, EveryTableTextHasAnEnglishTranslationAndEnglishWindowsShowNoPersian) {
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/tubewise_en.qm")));
    UseLanguageNow(Language::English);
    for (const std::string& name : LayoutNames()) {
        const WindowSpec& spec = LayoutOf(name);
        Form& w = Build(name);
        if (!spec.caption.empty()) {
            EXPECT_FALSE(english.translate(name.c_str(), spec.caption.c_str()).isEmpty()) << name;
            EXPECT_FALSE(w.windowTitle().isEmpty()) << name;
        }
        for (const ControlSpec& c : spec.controls) {
            if (!HasText(c)) continue;
            SCOPED_TRACE(Where(name, c));
            EXPECT_FALSE(english.translate(name.c_str(), c.source().c_str()).isEmpty())
                << "no English for: " << c.source();
            const QString shown = Form::Text(w.control(c.name, c.index));
            EXPECT_FALSE(shown.isEmpty());
            // Only the switch names Persian in its own letters.
            EXPECT_EQ(HasPersianLetters(shown), c.name == "cmdlang") << shown.toStdString();
            if (!c.argument.empty()) {
                EXPECT_TRUE(shown.contains(QString::fromStdString(c.argument)));
            }
        }
    }
}

// A control x pixels from its container's left edge in Persian stands x pixels from the right
// edge in English; switching back restores the Persian window exactly.
// Qt's own dialogs (the save dialog's buttons) speak the interface's language: Debian's
// Persian translations of Qt are loaded with Persian and dropped with English.
TEST_F(LanguageTest, QtsOwnTextsFollowTheLanguage) {
    UseLanguageNow(Language::English);
    session->SwitchLanguage(Language::Persian);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("ذخیره"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("انصراف"));
    session->SwitchLanguage(Language::English);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Save"));
    session->SwitchLanguage(Language::Persian);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("ذخیره"));
    UseQtTexts(Language::English);  // the other tests of this program read Qt's own words
}

TEST_F(LanguageTest, EnglishMirrorsEveryWindowAndPersianComesBackAsItWas) {
    std::vector<std::pair<std::string, Form*>> windows;
    std::map<std::pair<std::string, std::string>, QRect> persian;
    for (const std::string& name : LayoutNames()) {
        Form& w = Build(name);
        windows.push_back({name, &w});
        for (const ControlSpec& c : w.layout().controls)
            if (QWidget* control = w.control(c.name, c.index))
                persian[{name, Where(name, c)}] = control->geometry();
    }
    UseLanguageNow(Language::English);
    for (const auto& [name, w] : windows) {
        for (const ControlSpec& c : w->layout().controls) {
            QWidget* control = w->control(c.name, c.index);
            if (!control) continue;
            SCOPED_TRACE(Where(name, c));
            const QRect fa = persian[{name, Where(name, c)}];
            const int containerWidth = control->parentWidget() == w
                                           ? w->width()
                                           : TwipsToPixels(w->layout().find(c.container)->width);
            EXPECT_EQ(control->geometry(),
                      QRect(containerWidth - fa.x() - fa.width(), fa.y(), fa.width(), fa.height()));
        }
    }
    UseLanguageNow(Language::Persian);
    for (const auto& [name, w] : windows) {
        EXPECT_EQ(w->windowTitle().toStdString(), w->layout().caption);
        for (const ControlSpec& c : w->layout().controls) {
            QWidget* control = w->control(c.name, c.index);
            if (!control) continue;
            SCOPED_TRACE(Where(name, c));
            EXPECT_EQ(control->geometry(), (persian[{name, Where(name, c)}]));
            if (HasText(c)) {
                EXPECT_EQ(Form::Text(control).toStdString(), c.text);
            }
        }
    }
}

// How one control shows a text: its extent, and its box and the window in the control's
// coordinates.
struct Fit {
    TextExtent extent;
    QRectF box;
    QRectF window;
};

Fit Measure(Form& w, QWidget* control) {
    Fit fit;
    fit.box = QRectF(control->rect());
    fit.window = QRectF(QRect(control->mapFrom(&w, QPoint(0, 0)), w.size()));
    if (auto* label = qobject_cast<TextLabel*>(control)) {
        fit.extent = label->Extent(label->text());
        fit.box = QRectF(label->contentsRect());
    } else if (auto* button = qobject_cast<PictureButton*>(control)) {
        fit.extent = button->Extent(button->text());
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        const QMarginsF margins(box->textMargins());
        fit.box = QRectF(box->rect()).marginsRemoved(QMarginsF(2, 1, 2, 1)).marginsRemoved(margins);
        const qreal width = QFontMetricsF(box->font()).horizontalAdvance(box->text());
        fit.extent = {
            1, QRectF(fit.box.center().x() - width / 2, fit.box.top(), width, fit.box.height())};
    }
    return fit;
}

// An English text wraps only where its Persian counterpart does, and stays within its box and
// the window wherever the Persian one does.
void ExpectEnglishFitsAsPersianDoes(const std::string& where, const Fit& fa, const Fit& en) {
    SCOPED_TRACE(where);
    const qreal slack = 0.5;
    if (fa.extent.lines <= 1) {
        EXPECT_LE(en.extent.lines, 1) << "wraps where Persian does not";
    }
    const QRectF& e = en.extent.bounds;
    const QRectF& p = fa.extent.bounds;
    EXPECT_LE(e.bottom(), std::max(en.box.bottom(), p.bottom()) + slack) << "cut at the bottom";
    EXPECT_GE(e.left(), std::min(en.box.left(), p.left()) - slack) << "cut at the left";
    EXPECT_LE(e.right(), std::max(en.box.right(), p.right()) + slack) << "cut at the right";
    // Persian texts that reach beyond the window are cut by it in both languages alike.
    if (p.left() >= fa.window.left()) {
        EXPECT_GE(e.left(), en.window.left() - slack) << "off the window";
    }
    if (p.right() <= fa.window.right()) {
        EXPECT_LE(e.right(), en.window.right() + slack) << "off the window";
    }
}

std::map<std::string, Fit> MeasureAll(Form& w) {
    std::map<std::string, Fit> fits;
    for (const ControlSpec& c : w.layout().controls) {
        QWidget* control = w.control(c.name, c.index);
        if (!control || Form::Text(control).trimmed().isEmpty()) continue;
        if (c.kind != ControlKind::Label && c.kind != ControlKind::Button &&
            c.kind != ControlKind::TextBox)
            continue;
        fits[Where(w.layout().name, c)] = Measure(w, control);
    }
    return fits;
}

void ExpectAllFit(const std::map<std::string, Fit>& fa, const std::map<std::string, Fit>& en) {
    EXPECT_EQ(fa.size(), en.size());
    for (const auto& [where, persian] : fa) {
        auto it = en.find(where);
        ASSERT_NE(it, en.end()) << where << " shows nothing in English";
        ExpectEnglishFitsAsPersianDoes(where, persian, it->second);
    }
}

// Every item of every drop-down list is whole in the list's text field, in both languages.
TEST_F(LanguageTest, EveryListItemFitsItsListInBothLanguages) {
    int measured = 0;
    for (const std::string& name : LayoutNames()) {
        Form& w = Build(name);
        for (const Language language : {Language::Persian, Language::English}) {
            UseLanguageNow(language);
            for (const ControlSpec& c : w.layout().controls) {
                auto* list = qobject_cast<QComboBox*>(w.control(c.name, c.index));
                if (!list) continue;
                QStyleOptionComboBox option;
                option.initFrom(list);
                option.editable = list->isEditable();
                const QRect field = list->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
                for (int i = 0; i < list->count(); ++i) {
                    SCOPED_TRACE(Where(name, c) + " " + list->itemText(i).toStdString());
                    EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)),
                              field.width());
                    ++measured;
                }
            }
        }
        UseLanguageNow(Language::Persian);
    }
    EXPECT_GE(measured, 10);
}

TEST_F(LanguageTest, EveryEnglishTableTextFitsItsBoxAsThePersianOneDoes) {
    int measured = 0;
    for (const std::string& name : LayoutNames()) {
        Form& w = Build(name);
        const auto fa = MeasureAll(w);
        UseLanguageNow(Language::English);
        ExpectAllFit(fa, MeasureAll(w));
        measured += static_cast<int>(fa.size());
        UseLanguageNow(Language::Persian);
    }
    EXPECT_GE(measured, 35);
}

// The results window's texts come from the calculation: both advice colours, a lower bound and
// an undefined Thomas figure, for one to five dilutions.
TEST_F(LanguageTest, EveryEnglishResultsTextFitsItsBoxAsThePersianOneDoes) {
    struct Case {
        int dilutions;
        double mpnPerMl;
        bool thomasDefined;
    };
    for (const Case& k :
         {Case{3, 0.792, true}, Case{1, 9.9999999, false}, Case{5, 0.0625, true}}) {
        const Calculation state = testing::ShownCalculation(k.dilutions, 0.0225640617980848,
                                                            k.mpnPerMl, k.thomasDefined, 67.916);
        frmresult& results = session->form<frmresult>();
        results.ShowResults(ComposeResultTexts(state, NumberLocale{}));
        const auto fa = MeasureAll(results);
        UseLanguageNow(Language::English);
        results.ShowResults(ComposeResultTexts(state, NumberLocale{}));
        EXPECT_FALSE(HasPersianLetters(results.controls().lblprob->text()));
        ExpectAllFit(fa, MeasureAll(results));
        UseLanguageNow(Language::Persian);
    }
}

TEST_F(LanguageTest, TheSwitchStandsInTheWelcomeWindowsFreeSpaceAndIsRemembered) {
    frmabout& welcome = StartProgram(*session);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&welcome));
    PictureButton* language = welcome.controls().cmdlang;
    EXPECT_EQ(language->text(), "English");
    // Clear of every documented control but the backdrop, inside the window.
    EXPECT_TRUE(welcome.rect().contains(language->geometry()));
    for (const ControlSpec& c : welcome.layout().controls)
        if (c.name != "cmdlang" && c.kind != ControlKind::Image) {
            EXPECT_FALSE(
                welcome.control(c.name, c.index)->geometry().intersects(language->geometry()))
                << c.name;
        }

    language->click();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(welcome.controls().cmdenter->text(), "Start");
    EXPECT_EQ(language->text(), QStringLiteral("فارسي"));
    EXPECT_TRUE(welcome.isVisible());
    EXPECT_EQ(FocusName(), "cmdcontact") << "the keyboard stays where it was";

    // The shortcut works as the switch does.
    PressKey(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(CurrentLanguage(), Language::Persian);
    EXPECT_EQ(welcome.controls().cmdenter->text().toStdString(),
              welcome.layout().find("cmdenter")->text);
    EXPECT_EQ(remembered, (std::vector<Language>{Language::English, Language::Persian}));
}

TEST_F(LanguageTest, SettingsRememberTheChoiceAndANewInstallationStartsInPersian) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("tubewise.ini")), QSettings::IniFormat);
    EXPECT_EQ(StoredLanguage(settings), Language::Persian);
    StoreLanguage(settings, Language::English);
    EXPECT_EQ(StoredLanguage(settings), Language::English);
    StoreLanguage(settings, Language::Persian);
    EXPECT_EQ(StoredLanguage(settings), Language::Persian);
    settings.setValue(QStringLiteral("language"), QStringLiteral("de"));
    EXPECT_EQ(StoredLanguage(settings), Language::Persian);
    EXPECT_EQ(LanguageFromCode(u"en"), Language::English);
    EXPECT_EQ(LanguageFromCode(u"fa"), Language::Persian);
    EXPECT_EQ(LanguageFromCode(u"EN"), std::nullopt);
}

QString Accessible(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(text) : QString();
}

class AccessibilityTest : public LanguageTest, public ::testing::WithParamInterface<Language> {};

// Every control a screen reader can reach has a name in the run's language: the focusable
// ones, the labels by their texts, the pictures and rules by what they are.
TEST_P(AccessibilityTest, EveryControlOfEveryWindowHasANameInTheLanguage) {
    UseLanguageNow(GetParam());
    Form* const windows[] = {&session->form<frmabout>(),   &session->form<frmdel>(),
                             &session->form<frmmpn>(),     &session->form<frmresult>(),
                             &session->form<frmgraph>(),   &session->form<frmContact>(),
                             &session->form<frmdarbare>(), &session->form<frmstats>(),
                             &session->form<frmregister>(), &session->form<frmregsave>(),
                             &session->form<frmtray>(),     &session->form<frmsite>()};
    ASSERT_EQ(std::size(windows), LayoutNames().size()) << "a window is missing here";
    for (Form* w : windows) {
        const std::string& name = w->layout().name;
        for (const ControlSpec& c : w->layout().controls) {
            QWidget* control = w->control(c.name, c.index);
            if (!control) continue;
            SCOPED_TRACE(Where(name, c));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(a, nullptr);
            const QString spoken = a->text(QAccessible::Name).trimmed();
            if (c.kind == ControlKind::Label && c.text.empty()) continue;  // filled in later
            EXPECT_FALSE(spoken.isEmpty());
            if (GetParam() == Language::English && c.name != "cmdlang") {
                EXPECT_FALSE(HasPersianLetters(spoken)) << spoken.toStdString();
            }
            if (c.kind == ControlKind::Shape) {
                EXPECT_EQ(a->role(), QAccessible::Separator);
            }
            if (c.kind == ControlKind::Image) {
                EXPECT_EQ(a->role(), QAccessible::Graphic);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibilityTest,
                         ::testing::Values(Language::Persian, Language::English),
                         [](const auto& info) { return LanguageCode(info.param).toStdString(); });

TEST_F(LanguageTest, GridCellsAreNamedByRowAndColumnAndDescribedByTheirHeading) {
    frmmpn& grid = session->form<frmmpn>();
    EXPECT_EQ(Accessible(grid.controls().txtp[2], QAccessible::Name),
              QStringLiteral("رديف 2، تعداد لوله هاي مثبت"));
    UseLanguageNow(Language::English);
    EXPECT_EQ(Accessible(grid.controls().txtp[2], QAccessible::Name),
              "Row 2, number of positive tubes");
    EXPECT_EQ(Accessible(grid.controls().txtq[5], QAccessible::Name),
              "Row 5, number of negative tubes");
    EXPECT_EQ(Accessible(grid.controls().txtn[1], QAccessible::Name),
              "Row 1, mL of diluted sample per tube");
    EXPECT_EQ(Accessible(grid.controls().txtp[2], QAccessible::Description),
              grid.controls().lblp->text());
}

TEST_F(LanguageTest, ResultFiguresAreReadOnlyTextWithTheirCaptionsAndAdvice) {
    const Calculation state =
        testing::ShownCalculation(3, 0.0225640617980848, 0.792, true, 67.916);
    frmresult& results = session->form<frmresult>();
    UseLanguageNow(Language::English);
    results.ShowResults(ComposeResultTexts(state, NumberLocale{}));
    const struct {
        QWidget* figure;
        const char* name;
        const char* value;
        const char* caption;
    } rows[] = {
        {results.controls().txtresult[0], "Probability of the result, Poisson distribution",
         "0.0225640617980848", "Poisson probability, 3 dilutions"},
        {results.controls().txtresult[1], "MPN per mL, Poisson distribution", "0.792",
         "Coliform density, number per mL"},
        {results.controls().txtresult[2], "MPN per 100 mL, Poisson distribution", "79.2",
         "Coliform density, number per 100 mL"},
        {results.controls().txtthomas, "MPN per 100 mL, Thomas' formula", "67.916",
         "Coliform density, number per 100 mL"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(row.figure);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::EditableText);
        EXPECT_TRUE(a->state().readOnly);
        EXPECT_EQ(a->text(QAccessible::Name), row.name);
        EXPECT_EQ(a->text(QAccessible::Value), row.value);
        EXPECT_TRUE(a->text(QAccessible::Description).startsWith(row.caption))
            << a->text(QAccessible::Description).toStdString();
    }
    EXPECT_TRUE(Accessible(results.controls().txtthomas, QAccessible::Description)
                    .endsWith("The estimate from Thomas' formula is reliable."));
}

TEST_F(LanguageTest, AMessageBoxIsAnnouncedByItsTitleAndPrompt) {
    const QString prompt = QStringLiteral("Fill in the empty cells!");
    auto box = MakeMessageBox(nullptr, prompt, QStringLiteral("Invalid entry"));
    EXPECT_EQ(Accessible(box.get(), QAccessible::Name), "Invalid entry");
    EXPECT_EQ(Accessible(box.get(), QAccessible::Description), prompt);
}

}  // namespace
}  // namespace tubewise
