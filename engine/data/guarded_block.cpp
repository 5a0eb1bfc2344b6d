#include "engine/data/guarded_block.h"

CQZGuardedBlock::CQZGuardedBlock() : mask_(0) {}
void CQZGuardedBlock::Store(std::uint32_t, int) {}
int CQZGuardedBlock::Load(std::uint32_t) const {
    return 0;
}
void CQZGuardedBlock::Export(std::vector<unsigned char>&) const {}
bool CQZGuardedBlock::Import(const unsigned char*, std::size_t) {
    return false;
}
