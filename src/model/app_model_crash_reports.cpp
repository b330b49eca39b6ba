#include "model/app_model.h"

namespace vlt {

void AppModel::changeCrashReportState(const std::function<void(CrashReportState&)>& edit) {
    changeArea(crashReport_, edit, &AppModel::crashReportStateChanged);
}

void AppModel::setCrashReportAlertPresented(bool presented) {
    if (presented) cancelEditorGesture();
    changeCrashReportState([presented](CrashReportState& state) { state.isAlertPresented = presented; });
}

}  // namespace vlt
