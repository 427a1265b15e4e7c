#include "dialogs/TInfoDialog.h"

#include <QFrame>
#include <QPainter>

#include "assets/EmbeddedAssets.h"
#include "assets/ProgramPictures.h"
#include "assets/Raster.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ModalResult.h"

namespace spindora {
namespace {

constexpr TextPair kInfoTitle{"Info über ...", "Info about ..."};
constexpr TextPair kTongueText{"Sprache", "Tongue"};
constexpr TextPair kNotice{"Spindora ist ein Spiel von Brizzels. Neue Rätsel und Neuigkeiten gibt es hier:",
                           "Spindora is a Brizzels game. New puzzles and news are waiting here:"};
// The maker's name and postal address, one line each; the same in both languages.
constexpr const char* kContactLines[3] = {"Brizzels Spielwerkstatt", "Kreiselgasse 7",
                                          "1234 Drehdorf"};
constexpr const char* kMailAddress = "spindora@example.org";

QFrame* Bevel(QWidget* parent, const char* name, const QRect& place) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(place);
    return bevel;
}

QLabel* Label(QWidget* parent, const char* name, const QRect& place, const QString& text,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(align);
    return label;
}

// The four puzzles' marks in a square: what the maker's notice is about. The glyphs come
// at `scale` and are drawn at the zoom's size, each picking its pixels for it.
QPixmap PuzzleMarks(double zoom, int scale, qreal ratio) {
    QPixmap marks(QSize(44, 44) * (zoom * ratio));
    marks.setDevicePixelRatio(ratio);
    marks.fill(Qt::transparent);
    QPainter p(&marks);
    const Glyph glyphs[4] = {Glyph::Zibbo, Glyph::Kolluk, Glyph::Pluf, Glyph::Murvo};
    for (int i = 0; i < 4; ++i)
        GlyphIcon(glyphs[i], 0, scale)
            .paint(&p, ZoomedRect(QRect((i % 2) * 24, (i / 2) * 24, 20, 20), zoom));
    return marks;
}

}  // namespace

QString TInfoDialog::MailAddress() { return QString::fromLatin1(kMailAddress); }

TInfoDialog::TInfoDialog(QWidget* mainWindow, const Tongue& tongue, const QString& webAddress,
                         Hooks hooks, UrlOpener open)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow), tongue_(tongue), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TInfoDialog"));
    setModal(true);
    setFixedSize(309, 322);
    setFont(PixelFont("MS Sans Serif", 11));

    // FormCreate: the picture, the icon, the product's name and version.
    Bevel(this, "Bevel1", QRect(4, 4, 301, 197));
    picture_ = Label(this, "Image1", QRect(8, 8, 101, 77), QString());
    auto* progname = Label(this, "progname", QRect(112, 8, 189, 25), QStringLiteral("Spindora"));
    progname->setFont(PixelFont("Arial", 19, true));
    Label(this, "version", QRect(112, 32, 189, 13), QStringLiteral("Version  V1.3"));
    icon_ = Label(this, "Image4", QRect(36, 96, 37, 37), QString(), Qt::AlignCenter);
    programIcon_ = mainWindow ? mainWindow->windowIcon() : ProgramIcon();
    for (int line = 0; line < 3; ++line)
        Label(this, "Contact", QRect(116, 104 + 16 * line, 185, 14),
              QString::fromUtf8(kContactLines[line]));

    Label(this, "Label13", QRect(44, 155, 62, 21), QStringLiteral("E-Mail:"),
          Qt::AlignRight | Qt::AlignTop);
    mail_ = new LinkLabel(this, "MailLabel", QPoint(112, 155), MailAddress(),
                          QUrl(QStringLiteral("mailto:") + MailAddress()), open);
    Label(this, "Label6", QRect(21, 174, 85, 21), QStringLiteral("Homepage:"),
          Qt::AlignRight | Qt::AlignTop);
    web_ = new LinkLabel(this, "Wumbatek_URL", QPoint(112, 174), webAddress, QUrl(webAddress), open);

    BuildLowerBlock(webAddress, open);

    tong_ = MakeGlyphButton(this, "TongBtn", QRect(120, 290, 89, 27), Glyph::Tongue);
    tong_->setAutoDefault(false);
    connect(tong_, &QPushButton::clicked, this, [this] { TongBtnClick(); });
    ok_ = MakeGlyphButton(this, "OKBtn", QRect(216, 290, 89, 27), Glyph::Tick);
    ok_->setText(QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { done(kModalOk); });
    connect(&tongue_, &Tongue::changed, this, [this] { SetTexts(); });
    zoom_.emplace(*this);
    ShowPictures();
}

void TInfoDialog::SetZoom(double zoom) {
    if (zoom_->Set(zoom)) ShowPictures();
}

void TInfoDialog::ShowPictures() {
    const double zoom = zoom_->Zoom();
    const int scale = zoom_->ArtScale();
    const QSize about(kAboutWidth, kAboutHeight);
    picture_->setPixmap(zoom == 1.0 ? AboutPicture() : zoom_->Picture(AboutPictureAt(scale), about));
    icon_->setPixmap(programIcon_.pixmap(QSize(32, 32) * zoom));
    marks_->setPixmap(PuzzleMarks(zoom, scale, devicePixelRatioF()));
}

void TInfoDialog::BuildLowerBlock(const QString& webAddress, const UrlOpener& open) {
    Bevel(this, "Bevel3", QRect(4, 206, 301, 77));
    marks_ = Label(this, "Image2", QRect(14, 222, 44, 44), QString(), Qt::AlignCenter);
    notice_ = Label(this, "Notice", QRect(70, 214, 228, 40), QString());
    notice_->setWordWrap(true);
    const QUrl news = QUrl(webAddress).resolved(QUrl(QStringLiteral("news/")));
    new LinkLabel(this, "NewsLabel", QPoint(70, 258), news.toString(), news, open);
}

void TInfoDialog::SetTexts() {
    setWindowTitle(Pick(kInfoTitle, tongue_));
    tong_->setText(Pick(kTongueText, tongue_));
    notice_->setText(Pick(kNotice, tongue_));
}

void TInfoDialog::FormActivate() {
    if (mainWindow_)
        move(PlaceOverClient(mainWindow_->frameGeometry(), mainWindow_->height(),
                             frameGeometry().size()));
    SetTexts();
    ok_->setFocus();
}

void TInfoDialog::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TInfoDialog::TongBtnClick() {
    if (hooks_.askTongue) hooks_.askTongue();
    if (hooks_.applyCaptions) hooks_.applyCaptions();
}

}  // namespace spindora
