#include "world/BlockingObject.h"

#include "core/Singleton.h"
#include "world/BlockInfo.h"

BlockingObject::~BlockingObject() {
    Singleton<BlockInfo>::Instance().remove(this);
}
