// Layout of the main window: the header with banners, meter box and
// buttons, and the lower page with the object and result panes.
#include "TMainUniZQMForm.h"

#include "Artwork.h"
#include "LanguagePicker.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QPushButton* headerButton(QWidget* parent, const char* name, QRect geometry) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

// Shrinks the caption's font until the text fits the button, so that longer
// translations stay whole.
void fitCaption(QAbstractButton* button, int extra) {
    QFont f = button->font();
    const int designed = button->property("designedPixelSize").toInt();
    if (designed > 0)
        f.setPixelSize(designed);
    else
        button->setProperty("designedPixelSize", QFontInfo(f).pixelSize());
    while (f.pixelSize() > 9 &&
           QFontMetrics(f).horizontalAdvance(button->text()) + extra > button->width())
        f.setPixelSize(f.pixelSize() - 1);
    button->setFont(f);
}

QLabel* headerLabel(QWidget* parent, const char* name, QPoint at, bool bold = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    l->setMinimumWidth(40);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

void TMainUniZQMForm::buildHeader() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(273);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(0xED, 0xED, 0xED));
    Panel1->setPalette(pal);

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(1100, 0, Artwork::HeaderRightSize.width(), 274);
    Image2->setPixmap(Artwork::headerRight());

    const char* bannerNames[7] = {"imgEN", "imgPL", "imgDE", "imgFR", "imgES", "imgRU", "imgIT"};
    QLabel** bannerFields[7] = {&imgEN, &imgPL, &imgDE, &imgFR, &imgES, &imgRU, &imgIT};
    for (int i = 0; i < 7; ++i) {
        auto* banner = new QLabel(Panel1);
        banner->setObjectName(QString::fromLatin1(bannerNames[i]));
        banner->setGeometry(0, 0, 1110, 274);
        banner->setPixmap(Artwork::banner(i));
        *bannerFields[i] = banner;
    }

    // Meter box, top right of the banner.
    Label1 = headerLabel(Panel1, "Label1", {845, 16}, true);
    LabNazwa = headerLabel(Panel1, "LabNazwa", {845, 38});
    LabNazwa->setFixedWidth(255);
    LabNazwa->setWordWrap(true);
    LabNazwa->setFixedHeight(36);
    Label3 = headerLabel(Panel1, "Label3", {845, 78}, true);
    LabSN = headerLabel(Panel1, "LabSN", {885, 78});
    LabSN->setFixedWidth(170);
    Label4 = headerLabel(Panel1, "Label4", {845, 100}, true);
    LabFV = headerLabel(Panel1, "LabFV", {885, 100});
    LabFV->setFixedWidth(170);

    // Buttons along the lower part of the header.
    ButtonConnect = headerButton(Panel1, "ButtonConnect", {20, 150, 155, 110});
    QFont big = ButtonConnect->font();
    big.setPixelSize(26);
    big.setBold(true);
    ButtonConnect->setFont(big);

    btnRaport = headerButton(Panel1, "btnRaport", {185, 150, 170, 34});
    btnExportPDF = headerButton(Panel1, "btnExportPDF", {185, 188, 170, 34});
    btnExportXLS = headerButton(Panel1, "btnExportXLS", {185, 226, 170, 34});
    JvBitBtn1 = headerButton(Panel1, "JvBitBtn1", {365, 150, 170, 34});
    JvBBSup = headerButton(Panel1, "JvBBSup", {365, 188, 170, 34});
    btnDanePunktu = headerButton(Panel1, "btnDanePunktu", {365, 226, 170, 34});

    // Date frame: "Mark results by date" with its two dates.
    Shape3 = new QFrame(Panel1);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(545, 144, 290, 124);
    Shape3->setFrameShape(QFrame::Box);
    Shape3->setLineWidth(1);
    Shape3->setAttribute(Qt::WA_TransparentForMouseEvents);
    btnSelectDate = headerButton(Panel1, "btnSelectDate", {553, 150, 274, 34});
    LabelOd = headerLabel(Panel1, "LabelOd", {555, 196});
    LabelDo = headerLabel(Panel1, "LabelDo", {555, 234});
    dtpDataOd = new QDateTimeEdit(Panel1);
    dtpDataOd->setObjectName(QStringLiteral("dtpDataOd"));
    dtpDataOd->setGeometry(627, 190, 200, 30);
    dtpDataDo = new QDateTimeEdit(Panel1);
    dtpDataDo->setObjectName(QStringLiteral("dtpDataDo"));
    dtpDataDo->setGeometry(627, 228, 200, 30);
    for (QDateTimeEdit* d : {dtpDataOd, dtpDataDo}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }

    CBImportName = new QCheckBox(Panel1);
    CBImportName->setObjectName(QStringLiteral("CBImportName"));
    CBImportName->setGeometry(845, 152, 255, 30);

    BitBtn1 = headerButton(Panel1, "BitBtn1", {845, 226, 190, 34});

    LangFlagsCombo1 = new QComboBox(Panel1);
    LangFlagsCombo1->setObjectName(QStringLiteral("LangFlagsCombo1"));
    LangFlagsCombo1->setGeometry(1200, 8, 170, 28);
    LangFlagsCombo1->setIconSize(QSize(24, 16));
}

void TMainUniZQMForm::buildLowerArea() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QString());

    Splitter1 = new QSplitter(Qt::Horizontal, TabSheet1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    auto* pageLayout = new QVBoxLayout(TabSheet1);
    pageLayout->setContentsMargins(2, 2, 2, 2);
    pageLayout->addWidget(Splitter1);

    auto makeGrid = [](QWidget* parent, const char* name) {
        auto* grid = new QTableView(parent);
        grid->setObjectName(QString::fromLatin1(name));
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        grid->verticalHeader()->hide();
        return grid;
    };

    Panel8 = new QWidget(Splitter1);
    Panel8->setObjectName(QStringLiteral("Panel8"));
    Panel8->setMinimumWidth(120);
    auto* left = new QVBoxLayout(Panel8);
    left->setContentsMargins(0, 0, 0, 0);
    auto* leftButtons = new QHBoxLayout;
    btnEditName = new QPushButton(Panel8);
    btnEditName->setObjectName(QStringLiteral("btnEditName"));
    btnDelObject = new QPushButton(Panel8);
    btnDelObject->setObjectName(QStringLiteral("btnDelObject"));
    leftButtons->addWidget(btnEditName);
    leftButtons->addWidget(btnDelObject);
    leftButtons->addStretch();
    left->addLayout(leftButtons);
    jvdbGrHobjects = makeGrid(Panel8, "jvdbGrHobjects");
    left->addWidget(jvdbGrHobjects);

    PanelResults = new QWidget(Splitter1);
    PanelResults->setObjectName(QStringLiteral("PanelResults"));
    PanelResults->setMinimumWidth(120);
    auto* right = new QVBoxLayout(PanelResults);
    right->setContentsMargins(0, 0, 0, 0);
    auto* rightButtons = new QHBoxLayout;
    btnDelRekord = new QPushButton(PanelResults);
    btnDelRekord->setObjectName(QStringLiteral("btnDelRekord"));
    rightButtons->addWidget(btnDelRekord);
    rightButtons->addStretch();
    right->addLayout(rightButtons);
    jvdbGrHresults = makeGrid(PanelResults, "jvdbGrHresults");
    right->addWidget(jvdbGrHresults);

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);

    // Species names, never shown.
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->hide();
}

void TMainUniZQMForm::buildActions() {
    actChart = new QAction(this);
    actChart->setObjectName(QStringLiteral("actChart"));
    actSamplename = new QAction(this);
    actSamplename->setObjectName(QStringLiteral("actSamplename"));
    actDelObject = new QAction(this);
    actDelObject->setObjectName(QStringLiteral("actDelObject"));
    actDelRekord = new QAction(this);
    actDelRekord->setObjectName(QStringLiteral("actDelRekord"));

    PopupObjects = new QMenu(this);
    PopupObjects->setObjectName(QStringLiteral("PopupObjects"));
    PopupObjects->addAction(actSamplename);
    PopupObjects->addAction(actChart);
    PopupResults = new QMenu(this);
    PopupResults->setObjectName(QStringLiteral("PopupResults"));
    PopupResults->addAction(actDelRekord);

    connect(jvdbGrHobjects, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupObjects->popup(jvdbGrHobjects->mapToGlobal(p)); });
    connect(jvdbGrHresults, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupResults->popup(jvdbGrHresults->mapToGlobal(p)); });
    TabSheet1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TabSheet1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupResults->popup(TabSheet1->mapToGlobal(p)); });

    // Buttons and their actions share the enabled state.
    auto bind = [this](QPushButton* button, QAction* action) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        button->setEnabled(action->isEnabled());
    };
    bind(JvBitBtn1, actChart);
    bind(btnEditName, actSamplename);
    bind(btnDelObject, actDelObject);
    bind(btnDelRekord, actDelRekord);
}

void TMainUniZQMForm::retranslateUi() {
    setWindowTitle(QStringLiteral("VORZEL S. A.   v.1.15"));
    Label1->setText(tr("Device:"));
    Label3->setText(tr("SN:"));
    Label4->setText(tr("FV:"));
    ButtonConnect->setText(tr("START"));
    btnRaport->setText(tr("Report"));
    btnExportPDF->setText(tr("Export to PDF"));
    btnExportXLS->setText(tr("Export data"));
    actChart->setText(tr("Chart"));
    JvBitBtn1->setText(actChart->text());
    btnSelectDate->setText(tr("Mark results by date"));
    LabelOd->setText(tr("from:"));
    LabelDo->setText(tr("to:"));
    for (QLabel* l : {Label1, Label3, Label4, LabelOd, LabelDo})
        l->adjustSize();
    // The serial number and firmware version start after the wider of their
    // captions, which are longer than "SN:" and "FV:" in some languages.
    const int valueX = qMax(885, Label3->x() + qMax(Label3->width(), Label4->width()) + 4);
    for (QLabel* value : {LabSN, LabFV}) {
        value->move(valueX, value->y());
        value->setFixedWidth(1055 - valueX);
    }
    CBImportName->setText(tr("Adding data from multiple devices"));
    btnDanePunktu->setText(tr("Owner details"));
    JvBBSup->setText(tr("Suppliers"));
    BitBtn1->setText(tr("Contact us"));
    PageControl1->setTabText(0, tr("Moisture results"));
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(ButtonConnect), static_cast<QAbstractButton*>(btnRaport),
          static_cast<QAbstractButton*>(btnExportPDF), static_cast<QAbstractButton*>(btnExportXLS),
          static_cast<QAbstractButton*>(JvBitBtn1), static_cast<QAbstractButton*>(btnSelectDate),
          static_cast<QAbstractButton*>(btnDanePunktu), static_cast<QAbstractButton*>(JvBBSup),
          static_cast<QAbstractButton*>(BitBtn1)})
        fitCaption(b, 16);
    fitCaption(CBImportName, 28);
    actSamplename->setText(tr("Edit supplier name"));
    btnEditName->setText(actSamplename->text());
    actDelObject->setText(tr("Delete object"));
    btnDelObject->setText(actDelObject->text());
    actDelRekord->setText(tr("Delete marked records"));
    btnDelRekord->setText(actDelRekord->text());
}
