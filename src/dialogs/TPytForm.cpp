#include "TPytForm.h"

#include "ModalResult.h"
#include "PromptLook.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

TPytForm::TPytForm(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("PytForm"));
    setModal(true);
    PromptLook::apply(this, 376, 132);

    auto question = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(20, 16, 336, 46);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    Label1 = question("Label1");
    Label2 = question("Label2");

    BitBtn1 = new QPushButton(PromptLook::tickIcon(), QString(), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(20, 76, 160, 40);
    BitBtn2 = new QPushButton(PromptLook::crossIcon(), QString(), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(196, 76, 160, 40);
    for (QPushButton* b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(true); // Enter presses the button that has the focus
        b->setIconSize(QSize(24, 24));
    }
    setTabOrder(BitBtn1, BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    retranslateUi();
}

void TPytForm::retranslateUi() {
    Label1->setText(tr("Deleting records.\r\nAre you sure?").replace(QLatin1String("\r\n"), "\n"));
    Label2->setText(tr("Deleting an object and its records.\r\nAre you sure?")
                        .replace(QLatin1String("\r\n"), "\n"));
    BitBtn1->setText(tr("OK"));
    BitBtn2->setText(tr("Cancel"));
}

void TPytForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TPytForm::reject() {
    done(mrCancel);
}

void TPytForm::showEvent(QShowEvent* event) {
    PromptLook::centreOver(this, mainWindow_);
    FormShow();
    QDialog::showEvent(event);
    BitBtn1->setFocus();
}

void TPytForm::FormShow() {
    Label1->setVisible(false);
    Label2->setVisible(false);
    if (NumerKomunikatu == 1)
        Label1->setVisible(true);
    if (NumerKomunikatu == 2)
        Label2->setVisible(true);
}
