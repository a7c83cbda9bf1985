#include "dialogs/frmSplash.h"
#include "platform/ProgramInfo.h"
#include "platform/WebOpener.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

namespace {

constexpr int ClientWidth = 4215;
constexpr int ClientHeight = 3600;

// The design. The labels and the logo sit inside Frame1, so their places are relative to it.
constexpr std::array<ControlBox, 10> Controls{{
    {"Frame1", 120, 60, 4020, 2970},
    {"lblProductName", 1860, 180, 1920, 345},
    {"lblCompanyProduct", 1920, 660, 1920, 180},
    {"imgLogo", 600, 720, 615, 735},
    {"lblVersion", 3240, 900, 360, 180},
    {"lblCopyright", 1380, 1140, 2415, 255},
    {"lblCompany", 1380, 1440, 2415, 255},
    {"lblNote", 60, 1800, 3795, 975},
    {"cmdPage", 120, 3120, 2775, 315},
    {"Command1", 3000, 3120, 1035, 315},
}};

enum class Sizing { Fixed, ToText, Wraps };

struct LabelLook {
    std::string_view name;
    Qt::AlignmentFlag alignment;
    Sizing sizing;
    const char* family;  // nullptr: the box's own font
    qreal points;
};

constexpr std::array LabelLooks{
    LabelLook{"lblProductName", Qt::AlignHCenter, Sizing::ToText, "Arial Black", 12},
    LabelLook{"lblCompanyProduct", Qt::AlignRight, Sizing::ToText, nullptr, 0},
    LabelLook{"lblVersion", Qt::AlignRight, Sizing::ToText, nullptr, 0},
    LabelLook{"lblCopyright", Qt::AlignRight, Sizing::Fixed, "Arial", 9},
    LabelLook{"lblCompany", Qt::AlignRight, Sizing::Fixed, nullptr, 0},
    LabelLook{"lblNote", Qt::AlignLeft, Sizing::Wraps, nullptr, 0},
};

constexpr bool designed(std::string_view name)
{
    return std::ranges::any_of(Controls, [name](const ControlBox& box) { return box.name == name; });
}
static_assert(std::ranges::all_of(LabelLooks, [](const LabelLook& look) { return designed(look.name); }));

// A label sized to its text keeps the edge or centre it is aligned on, so a longer caption grows
// away from the frame's right edge instead of past it.
void fitToText(QLabel& label, Qt::AlignmentFlag alignment)
{
    const QRect design = label.geometry();
    QRect fitted(design.topLeft(), label.sizeHint());
    if (alignment == Qt::AlignRight)
        fitted.moveRight(design.right());
    else if (alignment == Qt::AlignHCenter)
        fitted.moveLeft(design.left() + (design.width() - fitted.width()) / 2);
    label.setGeometry(fitted);
}

void applyLook(QLabel& label, const LabelLook& look)
{
    if (look.family) {
        QFont font(QLatin1String(look.family));
        font.setPointSizeF(look.points);
        if (look.family == std::string_view("Arial Black"))
            font.setWeight(QFont::Black);  // a stand-in family may have no face of that name
        label.setFont(font);
    }
    label.setAlignment(look.alignment | Qt::AlignTop);
    label.setWordWrap(look.sizing == Sizing::Wraps);
    if (look.sizing == Sizing::ToText)
        fitToText(label, look.alignment);
}

} // namespace

frmSplash::frmSplash(WebOpener& web, QWidget* parent) : PlainBox(ClientWidth, ClientHeight, parent), web_(web)
{
    Frame1_ = makeNamed<QGroupBox>(this, "Frame1");
    lblProductName_ = makeNamed<QLabel>(Frame1_, "lblProductName");
    lblCompanyProduct_ = makeNamed<QLabel>(Frame1_, "lblCompanyProduct");
    imgLogo_ = makeNamed<QLabel>(Frame1_, "imgLogo");
    imgLogo_->setPixmap(QPixmap(QStringLiteral(":/icon/32.png")));
    imgLogo_->setScaledContents(true);
    lblVersion_ = makeNamed<QLabel>(Frame1_, "lblVersion");
    lblCopyright_ = makeNamed<QLabel>(Frame1_, "lblCopyright");
    lblCompany_ = makeNamed<QLabel>(Frame1_, "lblCompany");
    lblNote_ = makeNamed<QLabel>(Frame1_, "lblNote");
    cmdPage_ = makeNamed<QPushButton>(this, "cmdPage");
    Command1_ = makeOkButton();
    placeControls(Controls);

    Form_Load();

    connect(cmdPage_, &QPushButton::clicked, this, &frmSplash::cmdPage_Click);
    Command1_->setFocus();
}

void frmSplash::Form_Load()
{
    lblVersion_->setText(QStringLiteral("版本 %1.%2.%3")
                            .arg(ProgramInfo::VersionMajor)
                            .arg(ProgramInfo::VersionMinor)
                            .arg(ProgramInfo::VersionRevision));
    lblProductName_->setText(ProgramInfo::title());
    lblCompanyProduct_->setText(ProgramInfo::productName());
    lblCopyright_->setText(ProgramInfo::copyright());
    lblCompany_->setText(ProgramInfo::companyName());
    lblNote_->setText(ProgramInfo::comments());
    cmdPage_->setText(ProgramInfo::homePage());
    // Sized after the captions are in.
    for (const LabelLook& look : LabelLooks)
        applyLook(*findChild<QLabel*>(designName(look.name)), look);
}

void frmSplash::cmdPage_Click()
{
    web_.open(ProgramInfo::homePage());
}
