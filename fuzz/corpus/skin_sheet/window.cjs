/* a skin */
QWidget#Form1 { background-color: #3a6ea5; }
