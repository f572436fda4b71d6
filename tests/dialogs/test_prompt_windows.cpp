// Question, information and name entry windows: what each answers to the
// keyboard and which text it shows.
#include "DialogDriver.h"
#include "ModalResult.h"
#include "TFormEditName.h"
#include "TInfoForm.h"
#include "TPytForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

struct KeyCase {
    const char* name;
    std::vector<int> keys;
    int expected;
};

TEST(QuestionWindow, KeyboardAnswers) {
    const std::vector<KeyCase> cases = {
        {"Enter answers OK", {Qt::Key_Return}, mrOk},
        {"keypad Enter answers OK", {Qt::Key_Enter}, mrOk},
        {"Esc answers Cancel", {Qt::Key_Escape}, mrCancel},
        {"Tab then Enter answers Cancel", {Qt::Key_Tab, Qt::Key_Return}, mrCancel},
        {"Tab then Esc answers Cancel", {Qt::Key_Tab, Qt::Key_Escape}, mrCancel},
    };
    TPytForm form;
    for (const KeyCase& c : cases) {
        form.NumerKomunikatu = 1;
        const int result = runModal(form, [&] {
            for (int key : c.keys)
                pressOnFocus(key);
        });
        EXPECT_EQ(result, c.expected) << c.name;
    }
}

TEST(QuestionWindow, ShowsOnlyTheAskedQuestion) {
    TPytForm form;
    struct Seen {
        bool records, object;
    };
    auto showWith = [&](int number) {
        form.NumerKomunikatu = number;
        Seen seen{};
        runModal(form, [&] {
            seen = {form.Label1->isVisible(), form.Label2->isVisible()};
            pressOnFocus(Qt::Key_Escape);
        });
        return seen;
    };
    const Seen first = showWith(1);
    EXPECT_TRUE(first.records);
    EXPECT_FALSE(first.object);
    // The records question was shown last time; now only the object question.
    const Seen second = showWith(2);
    EXPECT_FALSE(second.records);
    EXPECT_TRUE(second.object);
    const Seen none = showWith(7);
    EXPECT_FALSE(none.records);
    EXPECT_FALSE(none.object);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Deleting records.\nAre you sure?"));
    EXPECT_EQ(form.Label2->text(),
              QStringLiteral("Deleting an object and its records.\nAre you sure?"));
}

TEST(QuestionWindow, ButtonsAnswerWithoutQuestionText) {
    TPytForm form;
    form.NumerKomunikatu = 0;
    EXPECT_EQ(runModal(form, [&] { form.BitBtn1->click(); }), mrOk);
    EXPECT_EQ(runModal(form, [&] { form.BitBtn2->click(); }), mrCancel);
}

TEST(InformationWindow, ClosesOnlyThroughOk) {
    TInfoForm form;
    form.Label2->setText(QStringLiteral("12 records read."));
    // Esc leaves it open (the driver then closes it by force: -1).
    EXPECT_EQ(runModal(form, [] { pressOnFocus(Qt::Key_Escape); }), -1);
    EXPECT_EQ(runModal(form, [] { pressOnFocus(Qt::Key_Return); }), mrOk);
    EXPECT_EQ(runModal(form, [] { pressOnFocus(Qt::Key_Space); }), mrOk);
    EXPECT_EQ(form.BitBtn1->text(), QStringLiteral("OK"));
}

TEST(InformationWindow, DlgShowShowsTheMessageAndWaitsForOk) {
    TInfoForm form;
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = form.Label2->text();
        form.BitBtn1->click();
    });
    form.DlgShow(QStringLiteral("0 records read."));
    EXPECT_EQ(shown, QStringLiteral("0 records read."));
    EXPECT_FALSE(form.isVisible());
}

TEST(NameEntryWindow, EnterAndEscWhereverTheFocusIs) {
    TFormEditName form;
    struct Case {
        const char* name;
        std::function<void()> act;
        int expected;
        QString text;
    };
    const std::vector<Case> cases = {
        {"typing replaces the selected name, Enter answers OK",
         [] {
             QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kowalski"));
             pressOnFocus(Qt::Key_Return);
         },
         mrOk, QStringLiteral("Kowalski")},
        {"Esc answers Cancel",
         [] {
             QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Nowak"));
             pressOnFocus(Qt::Key_Escape);
         },
         mrCancel, QStringLiteral("Nowak")},
        {"Enter on the Cancel button still answers OK",
         [&] {
             form.BitBtn2->setFocus();
             pressOnFocus(Qt::Key_Return);
         },
         mrOk, QStringLiteral("Old name")},
        {"Esc on the OK button answers Cancel",
         [&] {
             form.BitBtn1->setFocus();
             pressOnFocus(Qt::Key_Escape);
         },
         mrCancel, QStringLiteral("Old name")},
        {"an empty name is accepted",
         [] {
             pressOnFocus(Qt::Key_Delete);
             pressOnFocus(Qt::Key_Enter);
         },
         mrOk, QString()},
    };
    for (const Case& c : cases) {
        form.Edit1->setText(QStringLiteral("Old name"));
        bool editFocused = false;
        const int result = runModal(form, [&] {
            editFocused = QApplication::focusWidget() == form.Edit1 &&
                          form.Edit1->hasSelectedText() &&
                          form.Edit1->selectedText() == QStringLiteral("Old name");
            c.act();
        });
        EXPECT_TRUE(editFocused) << c.name;
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(form.Edit1->text(), c.text) << c.name;
    }
}

TEST(NameEntryWindow, PlacedAtThePointerButKeptOnTheScreen) {
    TFormEditName form;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size = form.frameGeometry().size();

    form.placeAt(screen.topLeft() + QPoint(100, 50));
    EXPECT_EQ(form.pos(), screen.topLeft() + QPoint(100, 50));

    form.placeAt(screen.bottomRight() - QPoint(5, 5));
    const QRect placed(form.pos(), size);
    EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
}
