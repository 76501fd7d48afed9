// The built-in waves are compiled in by qt_add_resources; this library only
// carries them into whatever links it.
