#pragma once
// Answers of the program's dialogs, as the callers compare them.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
};
