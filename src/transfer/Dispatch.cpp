// Dispatch by version label: the part-update routine and the new-part writer
// of each label, and the placeholder rows of the brand's alternate tables.
#include "transfer/Dispatch.h"
#include "app/RunState.h"
#include "common/Text.h"
#include "common/mduValue.h"
#include "db/Database.h"
#include "newparts/NewParts.h"
#include "transfer/PartValues.h"
#include "update/UpdatePart.h"

const char* const kVersionLabels[28] = {
    "Ver 3.1 SQL", "V.31", "V.32", "V.33", "V.34", "V.41", "V.42", "V.43", "V.45", "V.46 (Bar)",
    "V.51", "V.61", "P.42", "P.43", "P.44 (Bar)", "P.45 (Bar)", "P.46 (Bar)", "P.47001 (Bar)",
    "P.48 (Bar)", "P.49 (Bar)", "P.52", "P.61 (Bar)", "P.62 (Bar)", "P.64 (Bar)", "P.65 (Bar)",
    "P.66 (Bar)", "P.68 (Bar)", "D.47 (Bar)",
};

namespace {

struct UpdateEntry {
    const char* label;
    UpdatePartRoutine routine;
};

// Tested in this order; any other label takes UpdatePartDefault.
const UpdateEntry kUpdateTable[] = {
    {"P.66 (Bar)", &UpdatePartP66Bar},
    {"P.68 (Bar)", &UpdatePartP68Bar},
    {"P.45 (Bar)", &UpdatePartP45Bar},
    {"P.48 (Bar)", &UpdatePartP48Bar},
    {"P.49 (Bar)", &UpdatePartP49Bar},
    {"P.64 (Bar)", &UpdatePartP64Bar},
    {"P.65 (Bar)", &UpdatePartP65Bar},
};

struct WriterEntry {
    const char* label;
    AddNewPartsRoutine routine;
    const char* name;
};

// One entry per accepted label, in the order they are tested.
const WriterEntry kWriterTable[28] = {
    {"Ver 3.1 SQL", &AddNewPartsSql31, "AddNewPartsSql31"},
    {"V.31", &AddNewPartsV31, "AddNewPartsV31"},
    {"V.32", &AddNewPartsV31, "AddNewPartsV31"},
    {"V.33", &AddNewPartsV33, "AddNewPartsV33"},
    {"V.34", &AddNewPartsV34, "AddNewPartsV34"},
    {"V.41", &AddNewPartsV31, "AddNewPartsV31"},
    {"V.42", &AddNewPartsV42, "AddNewPartsV42"},
    {"V.43", &AddNewPartsV43, "AddNewPartsV43"},
    {"V.45", &AddNewPartsV45, "AddNewPartsV45"},
    {"V.46 (Bar)", &AddNewPartsV46Bar, "AddNewPartsV46Bar"},
    {"V.51", &AddNewPartsV31, "AddNewPartsV31"},
    {"V.61", &AddNewPartsV31, "AddNewPartsV31"},
    {"P.42", &AddNewPartsV31, "AddNewPartsV31"},
    {"P.43", &AddNewPartsP43, "AddNewPartsP43"},
    {"P.44 (Bar)", &AddNewPartsP44Bar, "AddNewPartsP44Bar"},
    {"P.45 (Bar)", &AddNewPartsP45Bar, "AddNewPartsP45Bar"},
    {"P.46 (Bar)", &AddNewPartsP46Bar, "AddNewPartsP46Bar"},
    {"P.47001 (Bar)", &AddNewPartsP46Bar, "AddNewPartsP46Bar"},
    {"P.48 (Bar)", &AddNewPartsP48Bar, "AddNewPartsP48Bar"},
    {"P.49 (Bar)", &AddNewPartsP49Bar, "AddNewPartsP49Bar"},
    {"P.52", &AddNewPartsP52, "AddNewPartsP52"},
    {"P.61 (Bar)", &AddNewPartsP61Bar, "AddNewPartsP61Bar"},
    {"P.62 (Bar)", &AddNewPartsP46Bar, "AddNewPartsP46Bar"},
    {"P.64 (Bar)", &AddNewPartsP64Bar, "AddNewPartsP64Bar"},
    {"P.65 (Bar)", &AddNewPartsP64Bar, "AddNewPartsP64Bar"},
    {"P.66 (Bar)", &AddNewPartsP66Bar, "AddNewPartsP66Bar"},
    {"P.68 (Bar)", &AddNewPartsP68Bar, "AddNewPartsP68Bar"},
    {"D.47 (Bar)", &AddNewPartsP46Bar, "AddNewPartsP46Bar"},
};

const UpdateEntry* findUpdate(const QString& ver)
{
    const QString v = Trim(ver);
    for (const auto& e : kUpdateTable)
        if (v == QLatin1String(e.label))
            return &e;
    return nullptr;
}

const WriterEntry* findWriter(const QString& ver)
{
    const QString v = Trim(ver);
    for (const auto& e : kWriterTable)
        if (v == QLatin1String(e.label))
            return &e;
    return nullptr;
}

}   // namespace

bool IsPaddedLayout(const QString& ver)
{
    const QString v = Trim(ver);
    return v == QLatin1String("P.66 (Bar)") || v == QLatin1String("P.68 (Bar)");
}

UpdatePartRoutine UpdateRoutineForLabel(const QString& ver)
{
    const UpdateEntry* e = findUpdate(ver);
    return e ? e->routine : &UpdatePartDefault;
}

AddNewPartsRoutine NewPartsWriterForLabel(const QString& ver)
{
    const WriterEntry* e = findWriter(ver);
    return e ? e->routine : nullptr;
}

QString NewPartsWriterNameForLabel(const QString& ver)
{
    const WriterEntry* e = findWriter(ver);
    return e ? QString::fromLatin1(e->name) : QString();
}

QString PaddedSuffix(const RunState& st)
{
    const QString v = Trim(st.strVer);
    QString suffix;
    if (v == QLatin1String("P.66 (Bar)"))
        suffix = Pad2(st.lngBrandID);
    else if (v == QLatin1String("P.68 (Bar)"))
        suffix = Pad3(st.lngBrandID);
    if (suffix.isEmpty() || st.lngBrandID < 0)
        throw db::DbError(QStringLiteral("BrandID %1 gives no zero-padded table suffix under %2")
                              .arg(st.lngBrandID)
                              .arg(v),
                          QString());
    return suffix;
}

int16_t UpdatePartByVersion(RunState& st, const PartValues& v)
{
    if (st.updatePartOverride)
        return st.updatePartOverride(st, v);
    return UpdateRoutineForLabel(st.strVer)(st, v);
}

int16_t AddNewPartsByVersion(RunState& st, int16_t groupNo)
{
    const int16_t n = groupNo;   // the writer gets a copy
    if (st.addNewPartsOverride) {
        st.addNewPartsOverride(st, n);
    } else if (AddNewPartsRoutine writer = NewPartsWriterForLabel(st.strVer)) {
        writer(st, n);
    }

    if (!IsPaddedLayout(st.strVer)) {
        const QString b = QString::number(st.lngBrandID);
        st.strSQL = QStringLiteral("Delete From AltG") + b + QStringLiteral(" Where PartID = 0");
        st.execCatalog();
        st.strSQL = QStringLiteral("Delete From Alt") + b + QStringLiteral(" Where AltID = 0");
        st.execCatalog();
        if (Trim(st.strVer) == QLatin1String("P.49 (Bar)"))
            st.strSQL = QStringLiteral("Insert Into Alt") + b + QStringLiteral(" Values( 0, 0, '', '', 0, 0 )");
        else
            st.strSQL = QStringLiteral("Insert Into Alt") + b + QStringLiteral(" Values( 0, '', '', 0 )");
        st.execCatalog();
    }
    return 0;
}
