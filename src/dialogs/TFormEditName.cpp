#include "TFormEditName.h"

#include "ModalResult.h"
#include "PromptLook.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TFormEditName::TFormEditName(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("FormEditName"));
    setModal(true);
    PromptLook::apply(this, 410, 212);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(135, 8);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(24, 40, 361, 31);

    BitBtn1 = new QPushButton(PromptLook::tickIcon(), QString(), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(24, 81, 161, 40);
    BitBtn2 = new QPushButton(PromptLook::crossIcon(), QString(), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(224, 81, 161, 40);
    for (QPushButton* b : {BitBtn1, BitBtn2})
        b->setIconSize(QSize(24, 24));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    // Key preview: the window looks at each key before the focused control.
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(BitBtn1),
                       static_cast<QWidget*>(BitBtn2)})
        w->installEventFilter(this);

    retranslateUi();
}

void TFormEditName::retranslateUi() {
    Label1->setText(tr("Enter new name:"));
    Label1->adjustSize();
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Cancel"));
}

void TFormEditName::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

bool TFormEditName::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_Escape:
        done(mrCancel);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(mrOk);
        return true;
    default:
        return false; // every other key goes to the edit box
    }
}

bool TFormEditName::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFormEditName::reject() {
    done(mrCancel);
}

void TFormEditName::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TFormEditName::placeAt(const QPoint& screenPos) {
    QPoint topLeft = screenPos;
    QScreen* screen = QGuiApplication::screenAt(screenPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        topLeft.setX(qBound(area.left(), topLeft.x(), area.right() + 1 - size.width()));
        topLeft.setY(qBound(area.top(), topLeft.y(), area.bottom() + 1 - size.height()));
    }
    move(topLeft);
}
