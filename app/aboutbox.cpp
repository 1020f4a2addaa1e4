#include "app/aboutbox.h"

#include <QFrame>
#include <QLabel>

#include "app/formstyle.h"
#include "app/programicon.h"
#include "controls/arbutton/arbutton.h"
#include "controls/arbutton/olecolor.h"
#include "shell/programinfo.h"

namespace {

// The box's client area as designed, in twips.
constexpr int boxWidth = 5730;
constexpr int boxHeight = 3780;

// Colours as OLE values (0x00BBGGRR).
constexpr quint32 boxBackColour = 0x004A4917u;   // the main window's dark teal
constexpr quint32 titleColour = 0x00FFFFFFu;     // white
constexpr quint32 textColour = 0x00C0FFFFu;      // pale yellow
constexpr quint32 creditsColour = 0x00C0E0FFu;   // pale apricot
constexpr quint32 lineColour = 0x00808080u;      // grey
constexpr quint32 buttonHoverColour = 0x0000FFFFu; // yellow

QLabel *label(QWidget *box, const QString &name, const QString &text, const QFont &font, quint32 colour)
{
    auto *label = new QLabel(text, box);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, oleColor(colour));
    label->setPalette(palette);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramInfo::aboutCaption());
    setWindowIcon(programIcon());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, oleColor(boxBackColour));
    setPalette(palette);
    setFont(FormStyle::tahoma());
    setFixedSize(FormStyle::fromTwips(this, 0, 0, boxWidth, boxHeight).size());

    createLabels();
    createLine();
    createOkButton();
}

void AboutBox::createLabels()
{
    const QFont tahoma = FormStyle::tahoma();
    struct Placed
    {
        QLabel *label;
        int left, top, width, height;
    };
    const Placed labels[] = {
        {label(this, QStringLiteral("lblTitle"), ProgramInfo::title(),
               FormStyle::designFont(QStringLiteral("Arial"), 12, true, true), titleColour),
         1050, 240, 3885, 480},
        {label(this, QStringLiteral("lblVersion"), ProgramInfo::versionText(), tahoma, textColour),
         1080, 840, 1125, 225},
        {label(this, QStringLiteral("Label1"), tr("First public Release"), tahoma, textColour),
         2640, 840, 1605, 225},
        {label(this, QStringLiteral("lblDescription_0"),
               tr("Cantrix helps you design spells by the spell-design rules of the game's third "
                  "edition, as its sourcebook on magic presents them."),
               tahoma, textColour),
         1050, 1125, 3885, 690},
        {label(this, QStringLiteral("lblDescription_1"),
               tr("Made by the Cantrix3 developers: program, rules data, help page and icon."), tahoma,
               creditsColour),
         1080, 1800, 3885, 810},
        {label(this, QStringLiteral("lblDisclaimer"),
               tr("The game, its setting and its rules are trademarks and copyrights of their "
                  "owners. Cantrix is an unofficial tool made by players; it is not endorsed by "
                  "the owners and contains no text from their books."),
               FormStyle::designFont(QStringLiteral("Small Fonts"), 6.75), textColour),
         120, 2850, 4455, 840},
    };
    for (const Placed &placed : labels) {
        FormStyle::place(placed.label, placed.left, placed.top, placed.width, placed.height);
        FormStyle::fitCaption(placed.label);
    }

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    FormStyle::place(picIcon, 240, 240, 480, 480);
    picIcon->setPixmap(programIcon().pixmap(picIcon->size()));
    picIcon->setAlignment(Qt::AlignCenter);
}

void AboutBox::createLine()
{
    // A separator between the texts about the program and the disclaimer below them.
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, oleColor(lineColour));
    line->setPalette(palette);
    const QRect area = FormStyle::fromTwips(this, 120, 2730, 5490, 15);
    line->setGeometry(area.x(), area.y(), area.width(), 1);
}

void AboutBox::createOkButton()
{
    auto *cmdOk = new ARButton(this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setCaption(tr("OK"));
    cmdOk->setFont(FormStyle::tahoma(true));
    cmdOk->setForeColor(titleColour);
    cmdOk->setForeColorOnMouse(buttonHoverColour);
    cmdOk->setForeColorOnFocus(buttonHoverColour);
    cmdOk->setBackColor(boxBackColour);
    cmdOk->setBackColorOnMouse(boxBackColour);
    cmdOk->setBorderStyle(ARButton::borderSingle);
    FormStyle::place(cmdOk, 4800, 2880, 855, 375);
    cmdOk->setFocus();
    connect(cmdOk, &ARButton::Click, this, &QDialog::close);
}
