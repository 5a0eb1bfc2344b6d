#include "game/main/scene_question.h"

#include "game/main/stage.h"

Question::~Question() {
    CSelectEvent& window = stage_.choice_window();
    if (window.wait_handle() == &answered_) window.set_wait_handle(nullptr);
}

bool Question::await_ready() {
    if (yes_no_)
        stage_.AskYesNo(&answered_);
    else if (count_ == 3)
        stage_.AskChoice3(&answered_, labels_[0], labels_[1], labels_[2]);
    else
        stage_.AskChoice2(&answered_, labels_[0], labels_[1]);
    return answered_.IsDone();
}

int Question::await_resume() const { return stage_.choice_result(); }
