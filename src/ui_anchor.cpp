// Keeps the window library non-empty while the build is laid out.
