// Prints the signature texts of a class's public constructors, then its public methods, one
// per line, as the platform's reflection gives them (Constructor.toString, Method.toString).
// It made jtable_signatures.txt:
//   java CaptureSignatures.java javax.swing.JTable > jtable_signatures.txt

import java.lang.reflect.Constructor;
import java.lang.reflect.Method;

public class CaptureSignatures {
    public static void main(String[] args) throws Exception {
        if (args.length != 1) {
            System.err.println("usage: java CaptureSignatures.java CLASS-NAME");
            System.exit(2);
        }
        Class<?> c = Class.forName(args[0], false, ClassLoader.getSystemClassLoader());
        for (Constructor<?> k : c.getConstructors())
            System.out.println(k);
        for (Method m : c.getMethods())
            System.out.println(m);
    }
}
