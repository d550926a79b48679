#include "content/ResourceExtractor.h"

#include "content/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const kSkinNames[] = {
    "about_off.bmp", "about_on.bmp", "about_pressed.bmp", "back_disabled.bmp", "back_off.bmp",
    "back_on.bmp", "back_pressed.bmp", "close_off.bmp", "close_on.bmp", "close_pressed.bmp",
    "forward_disabled.bmp", "forward_off.bmp", "forward_on.bmp", "forward_pressed.bmp",
    "home_off.bmp", "home_on.bmp", "home_pressed.bmp", "mark_disabled.bmp", "mark_off.bmp",
    "mark_on.bmp", "mark_pressed.bmp", "print_off.bmp", "print_on.bmp", "print_pressed.bmp",
    "report_off.bmp", "report_on.bmp", "report_pressed.bmp", "save_disabled.bmp", "save_off.bmp",
    "save_on.bmp", "save_pressed.bmp", "setup_off.bmp", "setup_on.bmp", "setup_pressed.bmp",
    "trash_off.bmp", "trash_on.bmp", "trash_pressed.bmp",
    // 41 onwards
    "tabs_back_off.bmp", "tabs_back_on.bmp", "tabs_front_off.bmp", "tabs_front_on.bmp",
    "border_bot.bmp", "border_left.bmp", "border_left_corners.bmp", "border_right.bmp",
    "border_right_corners.bmp", "border_top_center.bmp", "border_top_left.bmp",
    "border_top_right.bmp", "border_white_top_center.bmp", "border_white_top_left.bmp",
    "border_white_top_right.bmp", "prog_blue_close.bmp", "prog_blue_max.bmp", "prog_blue_min.bmp",
    "prog_blue_norm.bmp", "prog_blueoff_close.bmp", "prog_blueoff_max.bmp",
    "prog_blueoff_min.bmp", "prog_blueoff_norm.bmp", "prog_white_close.bmp",
    "prog_white_max.bmp", "prog_white_min.bmp", "prog_white_norm.bmp", "loadbutton_on.bmp",
    "loadbutton_off.bmp", "button_off.bmp", "button_on.bmp", "button_pressed.bmp",
    "bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp", "columnhead1.bmp",
    "columnhead2.bmp", "progressbar.bmp", "statusgrabber.bmp", "bullet.bmp", "Handle.bmp",
    "pen.bmp", "bar.bmp", "QVicon.ico", "pencil.ico", "hand.ico", "info_mark.gif", "Logo.gif",
    "instruction.gif", "Border_bot_left.gif", "Border_bot_right.gif"};

constexpr int kFirstRun = 37;
constexpr int kSecondRunStart = 41;
constexpr int kLast = 92;

} // namespace

QByteArray ResourceBytes(int number, bool *found)
{
    QFile resource(QStringLiteral(":/custom/%1").arg(number));
    const bool ok = resource.open(QIODevice::ReadOnly);
    if (found)
        *found = ok;
    return ok ? resource.readAll() : QByteArray();
}

qint16 ExtractResource(int number, const QString &type, const QString &path)
{
    Q_UNUSED(type);
    bool found = false;
    const QByteArray bytes = ResourceBytes(number, &found);
    if (!found)
        return ExtractResourceNotFound;
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return ExtractFolderMissing;
    return WriteFileAtomically(path, bytes) ? ExtractOk : ExtractWriteFailed;
}

QString SkinPictureName(int number)
{
    if (number >= 1 && number <= kFirstRun)
        return QString::fromLatin1(kSkinNames[number - 1]);
    if (number >= kSecondRunStart && number <= kLast)
        return QString::fromLatin1(kSkinNames[kFirstRun + number - kSecondRunStart]);
    return {};
}

QList<int> SkinPictureNumbers()
{
    QList<int> numbers;
    for (int n = 1; n <= kLast; ++n) {
        if (!SkinPictureName(n).isEmpty())
            numbers.append(n);
    }
    return numbers;
}

QString GraphicsFolder(const QString &folder)
{
    return ProgramPath(folder, QStringLiteral("Graphics"));
}

int ExtractGraphics(const QString &folder)
{
    const QString graphics = GraphicsFolder(folder);
    QDir().mkpath(graphics);
    int failed = 0;
    for (const int n : SkinPictureNumbers()) {
        if (ExtractResource(n, QStringLiteral("Custom"), ProgramPath(graphics, SkinPictureName(n)))
            != ExtractOk)
            ++failed;
    }
    return failed;
}
