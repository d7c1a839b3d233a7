#include "engine/entry/app.h"

int main() { return menajerMain(nullptr); }
