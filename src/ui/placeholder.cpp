// Keeps the windows library non-empty until its first window lands.
