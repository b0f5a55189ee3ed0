#pragma once

#include <map>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "cli/console.h"

namespace orvelia::cli {

/// One request from the command line, once parsed.
struct Invocation {
    QString folder;                     ///< the program folder
    QDate today;                        ///< the date taken as today
    QString command;                    ///< the command name
    QStringList arguments;              ///< the positional arguments, in order
    std::map<QString, QString> options; ///< the options of the command, by name without "--"
};

/// A command: its name, its positional arguments and its options.
struct CommandSpec {
    const char* name;
    const char* arguments;            ///< the usage of its positional arguments
    int argumentCount;                ///< how many positional arguments it takes
    std::vector<const char*> options; ///< the options that take a value
    int (*run)(const Invocation&, Console&);
    const char* description;             ///< what it does, for the help text
    std::vector<const char*> flags = {}; ///< the options that take no value
};

/// Every command, in the order of the help text.
const std::vector<CommandSpec>& commands();

/// The command called @p name, or nullptr.
const CommandSpec* findCommand(const QString& name);

} // namespace orvelia::cli
