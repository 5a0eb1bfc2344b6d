#include "game/main/scene_question.h"

#include "game/main/vemu_comp.h"

Question::~Question() {
    CSelectEvent& window = game_.stage().choice_window();
    if (window.wait_handle() == &answered_) window.set_wait_handle(nullptr);
}

bool Question::await_ready() {
    if (yes_no_)
        game_.stage().AskYesNo(&answered_);
    else if (count_ == 3)
        game_.stage().AskChoice3(&answered_, labels_[0], labels_[1], labels_[2]);
    else
        game_.stage().AskChoice2(&answered_, labels_[0], labels_[1]);
    return answered_.IsDone();
}

int Question::await_resume() const { return game_.stage().choice_result(); }
