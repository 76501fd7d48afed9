#include "HistorySpool.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <cstdint>

namespace {

// Far more games than a run that never reaches its history could finish.
constexpr qint64 kLargestSpool = 4 * 1024 * 1024;

const char* const kNumbers[] = {"width", "height", "gameTime", "boardNumber", "score",
                                "level", "bricksRemoved", "bestGroup", "fillsUsed"};

std::optional<int64_t> Number(const QJsonValue& value, double low, double high)
{
    const double number = value.toDouble(NAN);
    if (!value.isDouble() || !(number >= low && number <= high) || std::trunc(number) != number)
        return std::nullopt;
    return int64_t(number);
}

} // namespace

QByteArray SpoolText(const std::vector<FinishedGame>& games)
{
    QJsonArray pending;
    for (const FinishedGame& game : games) {
        const int64_t numbers[] = {game.width, game.height, game.gameTime, game.boardNumber, game.score,
                                   game.level, game.bricksRemoved, game.bestGroup, game.fillsUsed};
        QJsonObject entry{{QStringLiteral("finishedAt"), QString::fromStdString(game.finishedAt)},
                          {QStringLiteral("player"), QString::fromStdString(game.player)}};
        for (size_t i = 0; i < std::size(kNumbers); ++i)
            entry.insert(QLatin1String(kNumbers[i]), qint64(numbers[i]));
        if (!game.moves.empty())
            entry.insert(QStringLiteral("moves"), QString::fromLatin1(QByteArray::fromStdString(game.moves).toBase64()));
        if (game.daily)
            entry.insert(QStringLiteral("daily"), true);
        pending.append(entry);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("pending"), pending}}).toJson(QJsonDocument::Compact);
}

std::vector<FinishedGame> ReadSpoolText(const QByteArray& text)
{
    const QJsonValue pending = QJsonDocument::fromJson(text).object().value(QStringLiteral("pending"));
    if (!pending.isArray())
        return {};
    std::vector<FinishedGame> games;
    for (const QJsonValue& value : pending.toArray()) {
        const QJsonObject entry = value.toObject();
        const QJsonValue finishedAt = entry.value(QStringLiteral("finishedAt"));
        const QJsonValue player = entry.value(QStringLiteral("player"));
        if (!finishedAt.isString() || !player.isString())
            return {};
        FinishedGame game;
        game.finishedAt = finishedAt.toString().toStdString();
        game.player = player.toString().toStdString();
        int32_t* const fields[] = {&game.width, &game.height, &game.gameTime, nullptr, &game.score,
                                   &game.level, &game.bricksRemoved, &game.bestGroup, &game.fillsUsed};
        for (size_t i = 0; i < std::size(kNumbers); ++i) {
            const QJsonValue field = entry.value(QLatin1String(kNumbers[i]));
            const std::optional<int64_t> number =
                fields[i] ? Number(field, INT32_MIN, INT32_MAX) : Number(field, 0, UINT32_MAX);
            if (!number)
                return {};
            if (fields[i])
                *fields[i] = int32_t(*number);
            else
                game.boardNumber = uint32_t(*number);
        }
        // Written only when there are any: a spool from before recordings has neither.
        const QJsonValue moves = entry.value(QStringLiteral("moves"));
        const QJsonValue daily = entry.value(QStringLiteral("daily"));
        if (!moves.isUndefined()) {
            const auto decoded = QByteArray::fromBase64Encoding(moves.toString().toLatin1(),
                                                                QByteArray::AbortOnBase64DecodingErrors);
            if (!moves.isString() || !decoded)
                return {};
            game.moves = decoded.decoded.toStdString();
        }
        if (!daily.isUndefined() && !daily.isBool())
            return {};
        game.daily = daily.toBool(false);
        games.push_back(std::move(game));
    }
    return games;
}

std::vector<FinishedGame> ReadSpool(const QString& path)
{
    RegularFileHandle file(QFile::encodeName(path).toStdString());
    std::string bytes;
    if (!file.isOpen() || file.size() > uint64_t(kLargestSpool) || !file.readUpTo(size_t(kLargestSpool), bytes))
        return {};
    return ReadSpoolText(QByteArray::fromStdString(bytes));
}

// Only a plain file is replaced or removed: a link would send the write to
// its target, which may be a device.
std::optional<QString> WriteSpool(const QString& path, const std::vector<FinishedGame>& games)
{
    const FileKind kind = KindOf(QFile::encodeName(path).constData(), /*followLinks=*/false);
    if (kind == FileKind::Folder || kind == FileKind::Other)
        return QCoreApplication::translate("History", "%1 is not a regular file").arg(QDir::toNativeSeparators(path));
    if (games.empty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            return QCoreApplication::translate("History", "%1 could not be removed").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    QSaveFile file(path);
    const QByteArray text = SpoolText(games);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}
