#include "ui/dialogs/AboutDialog.h"

#include "ui/ApplicationTitle.h"
#include "ui/widgets/BannerArt.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace aw {

namespace {

const char *const kCredits = "Armorwright\n"
                             "\n"
                             "A design workshop for vehicles built under the tabletop game's vehicle "
                             "construction rules: movement, armour, sensors, weapons with their ammunition, "
                             "perks, flaws and defects, with the threat values and the cost recomputed after "
                             "every change.\n"
                             "\n"
                             "Design, rules engine and editor: the Armorwright developers.\n"
                             "Compression: an LZSS coder with adaptive Huffman coding, after the LZHUF "
                             "algorithm by Haruyasu Yoshizaki, Haruhiko Okumura and Kenji Rikitake.\n"
                             "JPEG writing: the Independent JPEG Group's library.\n"
                             "User interface: the Qt toolkit.\n"
                             "\n"
                             "Thanks to every player who sent designs, corrections and ideas.";

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    resize(580, 358);

    auto *emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("emblemImage"));
    emblem->setPixmap(MakeEmblem(QSize(120, 140)));
    emblem->setAlignment(Qt::AlignCenter);

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("bannerImage"));
    banner->setPixmap(MakeBanner(QSize(256, 48)));
    banner->setScaledContents(true);
    banner->setFixedSize(256, 48);

    auto *credits = new QPlainTextEdit(this);
    credits->setObjectName(QStringLiteral("creditsMemo"));
    credits->setPlainText(QString::fromUtf8(kCredits));
    credits->setReadOnly(true);
    credits->setFrameShape(QFrame::NoFrame);
    credits->setBackgroundVisible(false);
    credits->viewport()->setAutoFillBackground(false);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(emblem, 0, 0, Qt::AlignCenter);
    layout->addWidget(banner, 1, 0, Qt::AlignCenter);
    layout->addWidget(ok, 2, 0, Qt::AlignCenter);
    layout->addWidget(credits, 0, 1, 3, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    setWindowTitle(ApplicationTitle());
    QDialog::showEvent(event);
}

} // namespace aw
