#include "DemoShop.h"

// Filled in with the demo data once the schema is settled.
void TDemoShop::Seed() {}
int TDemoShop::WriteOrder(TDateTime) { return 0; }
long long TDemoShop::WriteHistory(int, int) { return 0; }
