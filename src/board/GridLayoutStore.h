#pragma once

#include "BoardFields.h"

// Where the board keeps its column layout: "Trevlo.INI", section "Grid", beside the
// program when that folder can be written, otherwise in the user's config folder.
class TGridLayoutStore {
public:
    TGridLayoutStore(QString programFolder, QString userFolder);
    // The program's folder and the user's "Tessaron" config folder.
    static TGridLayoutStore ForProgram();

    QString Path() const;
    // The saved layout merged with the default columns; the default when none is saved.
    TGridLayout Read() const;
    // False when the file could not be written.
    bool Write(const TGridLayout &layout) const;

private:
    QString m_programFolder;
    QString m_userFolder;
};
