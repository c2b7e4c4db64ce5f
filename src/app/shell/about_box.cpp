#include "app/shell/about_box.h"

#include "app/shell/tennis_image.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("Verantwoording");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(TennisImage(QSize(200, 100)));
    ProductName = new QLabel("TOLVEX  2012", panel);
    ProductName->setObjectName("ProductName");
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel("Versie 12.0.1", panel);
    Version->setObjectName("Version");
    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(ProgramIcon, 0, Qt::AlignHCenter);
    inner->addWidget(ProductName, 0, Qt::AlignHCenter);
    inner->addWidget(Version, 0, Qt::AlignHCenter);

    OKButton = new QPushButton("O&k", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(panel);
    column->addWidget(OKButton, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
}
