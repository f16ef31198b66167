// The window and the two views.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

// Pushes the settings into the two long-lived sounds and the window; (re)creates
// the window only when asked, since only fullscreen and antialiasing need that.
void applyDisplaySettings(bool recreateWindow);

// What every screen and the run clear to, and so the colour of the bars.
inline const sf::Color backgroundColour(8, 8, 8, 255);

// Begins the picture of a screen: cleared to the background, in hudView.
void beginScreenPicture();

// The arena view in the screen rectangle (10, 10)-(1900, 770), and the 1920 x 1080
// screen-space view of the HUD and every screen.
void setUpViews();

// The 16:9 picture inside a window of this size, as a viewport (fractions of the
// window): bars on the sides of a wider window, above and below a taller one.
sf::FloatRect letterboxViewport(sf::Vector2u windowSize);

// Puts both views in the 16:9 picture of the window as it is now. At start-up and
// after every resize; the bars show what the screens clear to, backgroundColour.
void fitViewsToWindow();
