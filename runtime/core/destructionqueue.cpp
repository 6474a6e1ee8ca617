// The destruction queue. Destructors are compiled code that may release the
// last reference to other objects; destroying those at once would nest one
// destruction inside another, with the outer object half torn down. Instead
// every object whose count reaches 0 joins the queue, and only the outermost
// destruction runs it, one object after another.
#include "objects.h"
#include "compiledcalls.h"
#include "utility.h"
#include "win32exception.h"

namespace {

// Queued objects are off the live-object list, so its links are free to
// chain the queue: `newer` points to the next object to destroy.
ObjectInstance* queueFirst;
ObjectInstance* queueLast;
bool destroying;

void Enqueue(ObjectInstance* object) {
    object->newer = nullptr;
    if (queueLast) queueLast->newer = object;
    else queueFirst = object;
    queueLast = object;
}

ObjectInstance* Dequeue() {
    ObjectInstance* object = queueFirst;
    if (!object) return nullptr;
    queueFirst = object->newer;
    if (!queueFirst) queueLast = nullptr;
    return object;
}

void RunDestructors(ObjectInstance* object) {
    for (ClassRecord* cls = object->cls; cls; cls = cls->superclass)
        if (cls->destructor) CallCompiled(cls->destructor, object, cls);
}

// A raise caught above the running queue leaves the loop behind: the object
// whose destructor raised is given up, the rest stay queued for the next run.
void DestructionAbandoned(AbandonableFrame*) { destroying = false; }

void RunQueue() {
    AbandonableFrame guard{nullptr, &DestructionAbandoned};
    EnterAbandonableFrame(&guard);
    destroying = true;
    while (ObjectInstance* object = Dequeue()) {
        RunDestructors(object);
        RuntimeFree(object, RoundedInstanceSize(object->cls));
    }
    destroying = false;
    LeaveAbandonableFrame(&guard);
}

} // namespace

void DestroyInstance(ObjectInstance* object) {
    RemoveFromLiveObjects(object);
    object->refs = 1;   // locks and unlocks by destructors cannot reach 0 again
    Enqueue(object);
    if (!destroying) RunQueue();
}
