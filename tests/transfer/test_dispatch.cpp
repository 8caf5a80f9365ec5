// Dispatch by version label: the labels in order, the part-update routine
// each reaches (each writer's own test checks the writer the dispatch gives
// it), and the placeholder rows of the brand's alternate tables.
#include <gtest/gtest.h>

#include <map>

#include "TransferTestSupport.h"
#include "fixtures/LabelTables.h"
#include "transfer/Dispatch.h"
#include "update/UpdatePart.h"

using namespace transfertest;

TEST(Dispatch, LabelsInOrderAndTheUpdateRoutineOfEach)
{
    // Every other label takes UpdatePartDefault.
    const std::map<QString, UpdatePartRoutine> own{
        {"P.45 (Bar)", &UpdatePartP45Bar}, {"P.48 (Bar)", &UpdatePartP48Bar}, {"P.49 (Bar)", &UpdatePartP49Bar},
        {"P.64 (Bar)", &UpdatePartP64Bar}, {"P.65 (Bar)", &UpdatePartP65Bar}, {"P.66 (Bar)", &UpdatePartP66Bar},
        {"P.68 (Bar)", &UpdatePartP68Bar}};
    const QStringList labels = fx::versionLabels();
    ASSERT_EQ(labels.size(), 28);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(QString::fromLatin1(kVersionLabels[i]), labels[i]);
        const auto it = own.find(labels[i]);
        // Blanks around the label do not matter.
        EXPECT_TRUE(UpdateRoutineForLabel(labels[i] + "   ") == (it == own.end() ? &UpdatePartDefault : it->second))
            << labels[i].toStdString();
    }
    // Labels compare exactly and case-sensitively.
    EXPECT_TRUE(NewPartsWriterForLabel("v.31") == nullptr);
    EXPECT_TRUE(NewPartsWriterForLabel("V.31 (Bar)") == nullptr);
    EXPECT_FALSE(IsPaddedLayout("P.67 (Bar)"));
    EXPECT_TRUE(UpdateRoutineForLabel("p.66 (bar)") == &UpdatePartDefault);
    EXPECT_TRUE(IsPaddedLayout(" P.68 (Bar) "));
}

// Four values in the placeholder row; six for "P.49 (Bar)"; none for the
// padded layout.
TEST(Dispatch, PlaceholderRowsAfterEveryWriterCall)
{
    for (const QString& label : fx::versionLabels()) {
        SCOPED_TRACE(label.toStdString());
        TransferSetup s(label);
        s.open({});
        LogStatements log;
        EXPECT_EQ(AddNewPartsByVersion(s.st, 12), 0);
        AddNewPartsByVersion(s.st, 13);
        EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{12, 13}));
        if (fx::isPaddedLabel(label)) {
            EXPECT_TRUE(log.entries().isEmpty());
            continue;
        }
        const QString insert = label == "P.49 (Bar)" ? "Insert Into Alt7 Values( 0, 0, '', '', 0, 0 )"
                                                     : "Insert Into Alt7 Values( 0, '', '', 0 )";
        const QStringList once{"Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0", insert};
        EXPECT_EQ(log.entries(), once + once);
    }
}
