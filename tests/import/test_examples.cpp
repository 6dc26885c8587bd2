#include "PriorFileBuilder.h"
#include "PriorYearConversion.h"
#include "TestSupport.h"
#include "uFranchiseID.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

// The example files in examples/ are what the builder makes; regenerate them with
// make_prior_examples when the examples change.
TEST(Examples, CommittedFilesAreWhatTheBuilderMakes) {
    for (const ExampleFile& f : PriorYearExamples()) {
        const std::string path = std::string(QV_EXAMPLES_DIR) + "/" + f.Name;
        EXPECT_TRUE(ReadAll(path) == f.Bytes) << path << " differs from the builder; run make_prior_examples";
    }
}

TEST(Examples, EveryExampleConverts) {
    int version = 0;
    for (const ExampleFile& f : PriorYearExamples()) {
        ++version;
        TestEnv env;
        const std::string path = std::string(QV_EXAMPLES_DIR) + "/" + f.Name;
        EXPECT_EQ(FranchiseID(env.notices).ReadVersion(path), version) << f.Name;
        Franchise doc(2010, env.services);
        ASSERT_TRUE(ConvertPriorReturn(doc, version, path)) << f.Name;
        EXPECT_EQ(doc.Record.Get(fld::CorpName), "Red Earth Supply Co.");
        EXPECT_EQ(doc.Record.Get(fld::SchedDDebt1IssueDate), "3/1/" + std::to_string(2001 + version));
    }
}
