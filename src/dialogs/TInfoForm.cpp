#include "TInfoForm.h"

#include "ModalResult.h"
#include "PromptLook.h"

#include <QLabel>
#include <QPushButton>

TInfoForm::TInfoForm(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("InfoForm"));
    setModal(true);
    PromptLook::apply(this, 341, 172);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(23, 16, 298, 97);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);

    // "OK" in every language: this window has no translation link.
    BitBtn1 = new QPushButton(PromptLook::tickIcon(), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(88, 119, 160, 40);
    BitBtn1->setIconSize(QSize(24, 24));
    BitBtn1->setAutoDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TInfoForm::DlgShow(const QString& nazwa) {
    Label2->setText(nazwa);
    exec();
}

void TInfoForm::reject() {}

void TInfoForm::showEvent(QShowEvent* event) {
    PromptLook::centreOver(this, mainWindow_);
    QDialog::showEvent(event);
    BitBtn1->setFocus();
}

void TInfoForm::resizeEvent(QResizeEvent* event) {
    // The message area keeps its margins when the window changes size.
    Label2->setGeometry(23, 16, width() - 43, height() - 75);
    QDialog::resizeEvent(event);
}
