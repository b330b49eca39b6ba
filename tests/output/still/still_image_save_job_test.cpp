#include "output/still/still_image_save_job.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include "base/cancellation_error.h"
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

// Runs the save on a pool thread, as the application does, and waits for it. A stop is
// requested when the save reaches `stopAt`, if given.
Result<StillImageSaveResult, StillImageSaveFailure> saveOnWorker(
    const StillImageSaveRequest& request, std::vector<StillImageSaveStep>* steps = nullptr,
    std::optional<StillImageSaveStep> stopAt = std::nullopt) {
    std::optional<Result<StillImageSaveResult, StillImageSaveFailure>> result;
    std::stop_source stop;
    QThreadPool pool;
    pool.start([&] {
        result = runStillImageSaveJob(request, stop.get_token(), [&](StillImageSaveStep step, StillImageKind) {
            if (steps) steps->push_back(step);
            if (step == stopAt) stop.request_stop();
        });
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
    const auto result = saveOnWorker(request(folder), &steps);

    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().folder, folder / "Look");
    EXPECT_EQ(result.value().fileNames.back(), QStringLiteral("Comparison-v01-comparison.png"));
    EXPECT_EQ(steps.size(), std::size_t(3 * kStillImageSaveStepsPerImage));
    const QImage comparison(QString::fromStdString((folder / "Look" / "Comparison-v01-comparison.png").string()));
    EXPECT_EQ(comparison.size(), QSize(900, 1200));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Look"), {}), 3);
}

TEST(StillImageSaveJobTest, AStopWhileComposingSavesNothingAndOnceFilesAreWrittenTheSaveRunsToItsEnd) {
    QTemporaryDir directory;
    const std::filesystem::path folder = directory.path().toStdString();
    StillImageSaveRequest blank = request(folder);
    blank.subfolderName.clear();

    const auto stoppedEarly = saveOnWorker(blank, nullptr, StillImageSaveStep::composing);
    ASSERT_FALSE(stoppedEarly.ok());
    EXPECT_NE(dynamic_cast<const CancellationError*>(stoppedEarly.error().underlying.get()), nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 0);

    // A stop during publishing would otherwise keep some files and report none of them.
    const auto stoppedLate = saveOnWorker(blank, nullptr, StillImageSaveStep::publishing);
    ASSERT_TRUE(stoppedLate.ok());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
}

}  // namespace
}  // namespace vlt
