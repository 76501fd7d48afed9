#pragma once

#include "FinishedGame.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Finished games that could not be written to the history yet, kept in a
// small file beside it until they can be, so a game closed or killed in the
// meantime loses none. The file is JSON:
//   {"pending": [{"finishedAt": "2026-12-06T23:10:00Z", "width": 17, "height": 12,
//     "gameTime": 120, "boardNumber": 7, "score": 500, "level": 2, "bricksRemoved": 60,
//     "bestGroup": 9, "fillsUsed": 1, "player": "Ann", "moves": "AY3q...", "daily": true}]}
// "moves" (the recording, base64) and "daily" are there only when the game has them.
inline constexpr const char* kSpoolFileName = "history.pending";

QByteArray SpoolText(const std::vector<FinishedGame>& games);
// The games of a spool's text; a damaged text (not JSON, a field missing, of
// the wrong type or out of range) gives none.
std::vector<FinishedGame> ReadSpoolText(const QByteArray& text);

// The games of the spool at `path`: only a regular file of a sane size is read.
std::vector<FinishedGame> ReadSpool(const QString& path);
// Replaces the spool at once (a temporary file renamed over it), or removes
// it when no game is left; the reason when that could not be done.
std::optional<QString> WriteSpool(const QString& path, const std::vector<FinishedGame>& games);
