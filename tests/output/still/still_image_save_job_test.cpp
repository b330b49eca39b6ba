#include "output/still/still_image_save_job.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QThreadPool>

#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

StillImageSaveRequest request(const std::filesystem::path& folder) {
    StillImageSaveRequest made;
    made.snapshot = test::colourSnapshot(900, 600, true);
    made.kinds = {kAllStillImageKinds.begin(), kAllStillImageKinds.end()};
    made.destinationFolder = folder;
    made.subfolderName = QStringLiteral(" Look ");
    made.baseName = QStringLiteral("Comparison");
    made.options.includeLabels = made.options.includeContactInformation = true;
    ApplicationSettings& texts = made.options.watermarkSettings;
    texts.originalComparisonLabel = QStringLiteral("Before");
    texts.simulationComparisonLabel = QStringLiteral("After");
    texts.contactName = QStringLiteral("Dr. Ana Example");
    texts.contactEmail = QStringLiteral("ana@example.org");
    texts.contactAddress = QStringLiteral("Main Street 1\r\n1000 Town");
    return made;
}

// Runs the save on a pool thread, as the application does, and waits for it.
Result<StillImageSaveResult, StillImageSaveFailure> saveOnWorker(const StillImageSaveRequest& request,
                                                                 std::vector<StillImageSaveStep>& steps) {
    std::optional<Result<StillImageSaveResult, StillImageSaveFailure>> result;
    QThreadPool pool;
    pool.start([&] {
        result =
            runStillImageSaveJob(request, {}, [&](StillImageSaveStep step, StillImageKind) { steps.push_back(step); });
    });
    pool.waitForDone();
    return *result;
}

TEST(StillImageSaveJobTest, SavesAllThreeKindsIntoItsSubfolderForAPersonToLookAt) {
    // Kept in the build folder: Look/Comparison-v01-comparison.png shows the labels
    // and the contact block.
    const std::filesystem::path folder =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("still-image-output").toStdString();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::vector<StillImageSaveStep> steps;
    const auto result = saveOnWorker(request(folder), steps);

    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().folder, folder / "Look");
    EXPECT_EQ(result.value().fileNames.back(), QStringLiteral("Comparison-v01-comparison.png"));
    EXPECT_EQ(steps.size(), std::size_t(3 * kStillImageSaveStepsPerImage));
    const QImage comparison(QString::fromStdString((folder / "Look" / "Comparison-v01-comparison.png").string()));
    EXPECT_EQ(comparison.size(), QSize(900, 1200));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Look"), {}), 3);
}

}  // namespace
}  // namespace vlt
