#pragma once

#include <QString>

namespace ortelia {

// The program folder: where the program's files live and the current directory while it runs.
// Relative names are resolved against it: "/" and "\" both separate parts and each part matches
// an existing entry without regard to case ("Hilfe.txt" finds "hilfe.txt").
class ProgramFolder {
public:
    static QString root();
    // Makes dir the program folder and the current directory.
    static void setRoot(const QString &dir);

    // Absolute path of a name relative to the program folder (absolute names are resolved as is).
    static QString path(const QString &relativeName);
    // Same, relative to any base folder.
    static QString resolve(const QString &base, const QString &name);
    // Whether path, with every link resolved, is the program folder or lies inside it; false for a
    // path that does not exist. The one test of what belongs to the program.
    static bool holds(const QString &path);
    // The same test for any folder (a page of the user's own, outside the program folder).
    static bool isInside(const QString &path, const QString &folder);
};

} // namespace ortelia
