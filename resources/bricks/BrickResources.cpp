// The brick bitmaps are linked in as a big resource; this library only
// carries them into whatever links it.
