// The enemy pass: once per level frame, every enemy that is not hidden
// updates and behaves, in creation order.
#pragma once

void UpdateEnemies();
