#include "home/TrashPage.h"

#include "ui/PictureButton.h"
#include "home/HomePage.h"
#include "ui/Twips.h"

#include <QLabel>

namespace {

QRect pxRect(const QRect &twips)
{
    return QRect(Px(twips.left()), Px(twips.top()), Px(twips.width()), Px(twips.height()));
}

constexpr int kButtonTop = 1920;

} // namespace

TrashPage::TrashPage(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_folder(programFolder)
{
    PrepareHomePage(this, QStringLiteral("Body_Trash"), Qt::white);

    m_lbl1 = label(QStringLiteral("Trashlbl1"),
                   QStringLiteral("Click on the button below if you wish to erase all your past "
                                  "results and reset the program."),
                   QRect(1080, 1320, 3855, 495));
    m_lbl2 = label(QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"),
                   QRect(2040, 1440, 1815, 255));
    m_lbl3 = label(QStringLiteral("Trashlbl3"),
                   QStringLiteral("All your past results have been erased."),
                   QRect(1920, 1320, 2055, 495));
    m_trash = button(QStringLiteral("ButTrash"), QStringLiteral("Trash"), 2280);
    m_yes = button(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"), 3000);
    m_no = button(QStringLiteral("ButTrash_No"), QStringLiteral("No"), 1560);
    m_trash->setToolTip(QStringLiteral("Erase all past results"));
    connect(m_trash, &PictureButton::clicked, this, &TrashPage::ButTrash_Click);
    connect(m_yes, &PictureButton::clicked, this, &TrashPage::ButTrash_Yes_Click);
    connect(m_no, &PictureButton::clicked, this, &TrashPage::ButTrash_No_Click);
    setTabOrder(m_no, m_yes);
    Reset();
}

PictureButton *TrashPage::button(const QString &name, const QString &caption, int left)
{
    auto *b = new PictureButton(this, name, m_folder);
    b->setPictures(QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    b->setGeometry(pxRect(QRect(left, kButtonTop, 1200, 375)));
    b->setCaptionLabelName(name + QStringLiteral("lbl"));
    b->setCaption(caption);
    b->setCaptionRect(pxRect(QRect(0, 60, 1215, 255)));
    return b;
}

QLabel *TrashPage::label(const QString &name, const QString &text, const QRect &twips)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(pxRect(twips));
    return l;
}

void TrashPage::Reset()
{
    m_trash->show();
    m_lbl1->show();
    m_yes->hide();
    m_no->hide();
    m_lbl2->hide();
    m_lbl3->hide();
}

void TrashPage::ButTrash_Click()
{
    m_trash->hide();
    m_lbl1->hide();
    m_yes->show();
    m_no->show();
    m_lbl2->show();
    m_no->setFocus(Qt::OtherFocusReason);
}

void TrashPage::ButTrash_No_Click() { Reset(); m_trash->setFocus(Qt::OtherFocusReason); }

void TrashPage::ButTrash_Yes_Click()
{
    m_erased = true;
    emit eraseConfirmed();
    if (!m_erased) {
        Reset();
        return;
    }
    m_yes->hide();
    m_no->hide();
    m_lbl2->hide();
    m_lbl3->show();
}
