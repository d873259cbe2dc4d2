#pragma once
// The program's command line, read in one place before any application
// object is made, so that the modes that open no window (help, version,
// exercises, a worksheet) need no display:
//
//   nabrosa [--seed N] [Qt's options]            the main menu
//   nabrosa --exercises SECTION [--level L] [--count N] [--seed N]
//   nabrosa --worksheet SECTION[,SECTION...] [...] -o FILE.pdf
//   nabrosa --help | --version
//
// Numbers may be written with Arabic-Indic digits; a value out of its range
// is refused with the range named.

#include "practice/worksheet.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <optional>

namespace app {

struct CommandLine {
    enum class Mode { Window, Help, Version, Exercises, Worksheet, Refused };
    Mode mode = Mode::Window;
    // Why the line was refused, with the usage of what was asked; ends with
    // a new line.
    QString refusal;

    // The main menu: the seed of every practice window's exercises.
    std::optional<std::uint64_t> seed;

    // --exercises: the section, level, count and seed of the exercises printed.
    QString section;
    int level = 1;
    int count = 10;
    std::uint64_t exerciseSeed = 1;

    // --worksheet: the sheet and its file.
    practice::WorksheetOptions worksheet;
    QString fileName;
};

// Reads the arguments (the program's name first, as in argv). Qt's own
// options (-platform NAME, -reverse, ...) are left to Qt in the main menu's
// mode and refused in the others.
CommandLine readCommandLine(const QStringList &arguments);

// What `--help` and `--version` print.
QString helpText();
QString versionText();

// `--exercises`: the exercises as JSON lines, one per exercise.
void printExercises(const CommandLine &line, QTextStream &out);

} // namespace app
