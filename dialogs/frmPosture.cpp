#include "dialogs/frmPosture.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace {

constexpr int ClientWidth = 7800;
constexpr int ClientHeight = 3960;

// The picture, the heading and the tips sit inside Frame1, so their places are relative to it.
constexpr std::array<ControlBox, 5> Controls{{
    {"Frame1", 120, 60, 7560, 3330},
    {"imgPosture", 150, 165, 3000, 3000},
    {"lblHeading", 3360, 165, 4080, 345},
    {"lblTips", 3360, 600, 4080, 2640},
    {"Command1", 6645, 3480, 1035, 315},
}};

// Short and friendly: the readers are nine or ten years old. "\n" starts a new line in a tip.
constexpr std::array Tips{
    u"坐直，背輕輕靠著椅背。",
    u"兩腳平放在地板上。",
    u"手肘大約彎成直角，前臂放平。",
    u"手腕放輕鬆，打字時不要壓在桌上。",
    u"手指微微彎曲，輕放在基準鍵上：\n左手 ASDF，右手 JKL;",
    u"眼睛平視螢幕上緣，離螢幕約一個手臂遠。",
    u"打一陣子，就讓眼睛和手休息一下！",
};

QString tipsText()
{
    // A table keeps a wrapped tip clear of its bullet.
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const char16_t* tip : Tips) {
        const QString text = QString::fromUtf16(tip).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
        html += QStringLiteral("<tr><td>•</td><td>%1</td></tr>").arg(text);
    }
    return html + QStringLiteral("</table>");
}

} // namespace

frmPosture::frmPosture(QWidget* parent) : PlainBox(ClientWidth, ClientHeight, parent)
{
    Frame1_ = makeNamed<QGroupBox>(this, "Frame1");

    imgPosture_ = makeNamed<QLabel>(Frame1_, "imgPosture");
    imgPosture_->setPixmap(QPixmap(QStringLiteral(":/posture.png")));

    lblHeading_ = makeNamed<QLabel>(Frame1_, "lblHeading");
    lblHeading_->setText(QStringLiteral("打字姿勢小叮嚀"));
    QFont heading = font();
    heading.setPointSizeF(12);
    heading.setBold(true);
    lblHeading_->setFont(heading);

    lblTips_ = makeNamed<QLabel>(Frame1_, "lblTips");
    lblTips_->setTextFormat(Qt::RichText);
    lblTips_->setTextInteractionFlags(Qt::NoTextInteraction);  // a rich-text label would keep the click that closes the box
    lblTips_->setText(tipsText());
    lblTips_->setWordWrap(true);
    lblTips_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1_ = makeOkButton();
    placeControls(Controls);

    Command1_->setFocus();
}
