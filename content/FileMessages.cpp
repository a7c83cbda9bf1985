#include "content/FileMessages.h"
#include "platform/ProgramInfo.h"
#include <QFileInfo>

std::optional<MessageBoxText> refusalMessage(TextFileLoad::Status status, const QString& path)
{
    using S = TextFileLoad::Status;
    const QString name = QFileInfo(path).fileName();
    const auto warning = [](const QString& text) { return MessageBoxText{text, programTitle(), MessageStyle::Exclamation}; };
    switch (status) {
    case S::Loaded:
        return std::nullopt;
    case S::NotFound:
        return MessageBoxText{QStringLiteral("找不到打字用的文字檔…\r\n請將編好的文字檔放置在程式目錄中。"),
                              QStringLiteral("英打練習"), MessageStyle::Exclamation};
    case S::Big5CodecMissing:
        return warning(QStringLiteral("這個文字檔是 Big5 編碼，本版程式無法讀取。\r\n請將檔案另存為 UTF-8 後再開啟。"));
    case S::NotAFile:
        return warning(QStringLiteral("「%1」不是一般的檔案（可能是資料夾或裝置），無法開啟。\r\n請選擇一個文字檔。").arg(name));
    case S::Unreadable:
        return warning(QStringLiteral("無法讀取「%1」，可能是沒有讀取的權限。\r\n請確認這個檔案可以開啟，或請電腦管理人員協助。").arg(name));
    case S::TooManyLines:
        return warning(QStringLiteral("「%1」有超過 2000 行文字（空白行不算），無法開啟。\r\n請把它分成幾個檔案，每個不超過 2000 行，再分別開啟。").arg(name));
    case S::LineTooLong:
        return warning(QStringLiteral("「%1」有一行超過一百萬個字元，不像是文字檔，無法開啟。\r\n請確認選的是文字檔；如果是，請在句子之間換行後再開啟。").arg(name));
    case S::TextTooLong:
        return warning(QStringLiteral("「%1」的文字超過四百萬個字元，無法開啟。\r\n請把它分成幾個較小的檔案，再分別開啟。").arg(name));
    }
    return std::nullopt;
}
