#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The game's own translation and the toolkit's (its standard buttons, the
// file dialog) for one locale. Loaded before the application exists, so that
// the command line's help and mistakes read in the player's language too;
// handed to the application once it does. English is the source language and
// needs none.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // The language the game reads in, "en" when no translation was found.
    QString language() const;

    // `source` from `context` in the player's language; usable at any time.
    QString text(const char* context, const char* source) const;

    // Into the application, which must exist by now; undone on destruction.
    void install();

private:
    QTranslator m_game;
    QTranslator m_toolkit;
    bool m_installed = false;
};

// A resource in the player's language: base + "_" + the first of the
// locale's languages that has one (de, pt_BR ...) + suffix, else base + suffix.
QString LocalisedResource(const QString& base, const QString& suffix, const QLocale& locale = QLocale());
