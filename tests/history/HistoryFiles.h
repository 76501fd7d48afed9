#pragma once

// Games to record and a connection of the test's own to look inside a history file.
#include "FinishedGame.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <atomic>
#include <string>

inline FinishedGame Game(int32_t score, int32_t width = 17, int32_t height = 12, int32_t gameTime = 120,
                         uint32_t boardNumber = 7, int32_t bestGroup = 9, std::string player = "Ann")
{
    return {"2026-12-06T23:10:00Z", width, height, gameTime, boardNumber, score, 2, 60, bestGroup, 1, std::move(player), "", false};
}

inline FinishedGame Daily(uint32_t day, int32_t score, int32_t level = 2, int32_t bestGroup = 9)
{
    FinishedGame game = Game(score, 17, 12, 120, day, bestGroup);
    game.level = level;
    game.daily = true;
    return game;
}

// SQL run by hand on the file, the way an older build or another tool would.
class RawHistory {
public:
    explicit RawHistory(const QString& path)
        : m_name(QStringLiteral("raw-%1").arg(s_count++))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawHistory() { QSqlDatabase::removeDatabase(m_name); }

    bool Exec(const QString& statement) { return QSqlQuery(QSqlDatabase::database(m_name)).exec(statement); }
    QVariant Value(const QString& statement) { return Row(statement).value(0); }
    QVariantList Row(const QString& statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        QVariantList values;
        if (query.exec(statement) && query.next())
            for (int i = 0; i < query.record().count(); ++i) values.push_back(query.value(i));
        return values;
    }

private:
    static inline std::atomic<int> s_count{0};
    QString m_name;
};
